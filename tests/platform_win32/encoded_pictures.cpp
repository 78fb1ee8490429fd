#include "tests/platform_win32/encoded_pictures.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <stdexcept>

namespace lumivor::win32_tests {

using Microsoft::WRL::ComPtr;

namespace {
void Check(HRESULT result) {
  if (FAILED(result)) throw std::runtime_error("WIC cannot encode the test picture");
}
}  // namespace

std::vector<std::uint8_t> EncodePicture(int width, int height, const std::function<std::uint32_t(int x, int y)>& argb,
                                        const GUID& container) {
  std::vector<std::uint8_t> bgra;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = argb(x, y);
      bgra.insert(bgra.end(), {static_cast<std::uint8_t>(pixel), static_cast<std::uint8_t>(pixel >> 8),
                               static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 24)});
    }
  }
  ComPtr<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)));
  ComPtr<IStream> stream;
  Check(CreateStreamOnHGlobal(nullptr, TRUE, &stream));
  ComPtr<IWICBitmapEncoder> encoder;
  Check(factory->CreateEncoder(container, nullptr, &encoder));
  Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache));
  ComPtr<IWICBitmapFrameEncode> frame;
  Check(encoder->CreateNewFrame(&frame, nullptr));
  Check(frame->Initialize(nullptr));
  Check(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)));
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  Check(frame->SetPixelFormat(&format));
  // The encoder may take the pixels in another layout only by converting them itself.
  ComPtr<IWICBitmap> source;
  Check(factory->CreateBitmapFromMemory(static_cast<UINT>(width), static_cast<UINT>(height),
                                        GUID_WICPixelFormat32bppBGRA, static_cast<UINT>(width) * 4,
                                        static_cast<UINT>(bgra.size()), bgra.data(), &source));
  Check(frame->WriteSource(source.Get(), nullptr));
  Check(frame->Commit());
  Check(encoder->Commit());

  STATSTG status{};
  Check(stream->Stat(&status, STATFLAG_NONAME));
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.cbSize.QuadPart));
  Check(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
  ULONG read = 0;
  Check(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read));
  bytes.resize(read);
  return bytes;
}

}  // namespace lumivor::win32_tests
