#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/controls/control.h"

namespace toolkit {

// Shows one picture, scaled smoothly to just fit and centred in the control. The picture is
// kept compressed, as built into the program, until it is first shown; then it is decoded
// once and kept.
class TImage : public TControl {
 public:
  TImage();
  ~TImage() override;

  void SetPicture(std::span<const std::uint8_t> png);
  bool IsDecoded() const { return bitmap_ != nullptr; }

  bool SetProperty(std::string_view property, const TValue& value) override;
  void Paint(Canvas& canvas) const override;
  void PrepareForDisplay() override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::Graphic; }

 private:
  void Decode() const;

  std::span<const std::uint8_t> png_;
  mutable std::unique_ptr<platform::Bitmap> bitmap_;
};

}  // namespace toolkit
