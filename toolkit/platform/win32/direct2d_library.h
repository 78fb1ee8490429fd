#pragma once

#include <d2d1.h>
#include <dwrite.h>
#include <wrl/client.h>

namespace toolkit::platform::win32 {

// Direct2D and DirectWrite, reached through d2d1.dll and dwrite.dll loaded at run time, so that
// the program starts on systems without them (and draws with GDI+ there).
struct Direct2DFactories {
  Microsoft::WRL::ComPtr<ID2D1Factory> drawing;
  Microsoft::WRL::ComPtr<IDWriteFactory> text;
};

// New factories for one renderer; empty pointers when the libraries are missing or fail.
Direct2DFactories CreateDirect2DFactories();

}  // namespace toolkit::platform::win32
