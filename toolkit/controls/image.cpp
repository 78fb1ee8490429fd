#include "toolkit/controls/image.h"

#include "toolkit/layout/fit_rule.h"

namespace toolkit {

TImage::TImage() = default;
TImage::~TImage() = default;

void TImage::SetPicture(std::span<const std::uint8_t> png) {
  png_ = png;
  bitmap_.reset();
  Invalidate();
}

bool TImage::SetProperty(std::string_view property, const TValue& value) {
  if (property != "Bitmap") return TControl::SetProperty(property, value);
  SetPicture(ValueAs<std::span<const std::uint8_t>>(value, property));
  return true;
}

void TImage::Decode() const {
  if (bitmap_ != nullptr || png_.empty()) return;
  if (ControlHost* host = Host()) bitmap_ = host->Services().DecodePng(png_);
}

void TImage::PrepareForDisplay() { Decode(); }

void TImage::Paint(Canvas& canvas) const {
  Decode();
  if (bitmap_ == nullptr) return;
  const Rect target = FitInto(bitmap_->Width(), bitmap_->Height(), Width(), Height());
  if (target.Width() > 0 && target.Height() > 0) canvas.DrawBitmap(*bitmap_, target, 1.0);
}

}  // namespace toolkit
