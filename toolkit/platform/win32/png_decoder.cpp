#include "toolkit/platform/win32/png_decoder.h"

#include <limits>
#include <stdexcept>
#include <vector>

namespace toolkit::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw std::runtime_error(what);
}

}  // namespace

PngDecoder::PngDecoder() {
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory_)),
        "the Windows Imaging Component is not available");
}

std::unique_ptr<DecodedBitmap> PngDecoder::Decode(std::span<const std::uint8_t> png) const {
  if (png.empty() || png.size() > std::numeric_limits<DWORD>::max()) {
    throw std::runtime_error("not a PNG picture");
  }
  ComPtr<IWICStream> stream;
  Check(factory_->CreateStream(&stream), "a WIC stream cannot be made");
  // WIC only reads from the memory it is given.
  Check(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size())),
        "a WIC stream cannot be made");

  ComPtr<IWICBitmapDecoder> decoder;
  Check(factory_->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder),
        "not a picture");
  GUID container{};
  Check(decoder->GetContainerFormat(&container), "not a picture");
  if (container != GUID_ContainerFormatPng) throw std::runtime_error("not a PNG picture");

  ComPtr<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, &frame), "the PNG picture has no image");
  ComPtr<IWICFormatConverter> converter;
  Check(factory_->CreateFormatConverter(&converter), "a WIC format converter cannot be made");
  Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                              WICBitmapPaletteTypeCustom),
        "the PNG picture cannot be converted");

  UINT width = 0;
  UINT height = 0;
  Check(converter->GetSize(&width, &height), "the PNG picture has no size");
  const std::uint64_t stride = std::uint64_t{width} * 4;
  const std::uint64_t size = stride * height;
  if (width > static_cast<UINT>(std::numeric_limits<int>::max() / 4) || size > std::numeric_limits<UINT>::max()) {
    throw std::runtime_error("the PNG picture is too large");
  }
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size));
  // The pixels are decoded here, reading the stream to its end: a damaged stream fails now.
  Check(converter->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(size), pixels.data()),
        "the PNG picture is damaged");
  return std::make_unique<DecodedBitmap>(static_cast<int>(width), static_cast<int>(height), std::move(pixels));
}

}  // namespace toolkit::platform::win32
