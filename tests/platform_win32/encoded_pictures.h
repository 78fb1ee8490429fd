#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/platform/win32/windows_api.h"

#include <wincodec.h>

namespace lumivor::win32_tests {

// A picture encoded by WIC's own encoder, from its pixels (straight, not premultiplied,
// 0xAARRGGBB). `container` is GUID_ContainerFormatPng or another WIC format.
std::vector<std::uint8_t> EncodePicture(int width, int height, const std::function<std::uint32_t(int x, int y)>& argb,
                                        const GUID& container);

}  // namespace lumivor::win32_tests
