#pragma once

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/platform/win32/decoded_bitmap.h"

namespace toolkit::platform::win32 {

// Decodes PNG streams with the Windows Imaging Component. Made and used on the GUI thread,
// inside its COM apartment.
class PngDecoder {
 public:
  PngDecoder();

  // Throws std::runtime_error when the bytes are not a PNG picture WIC can decode.
  std::unique_ptr<DecodedBitmap> Decode(std::span<const std::uint8_t> png) const;

 private:
  Microsoft::WRL::ComPtr<IWICImagingFactory> factory_;
};

}  // namespace toolkit::platform::win32
