#include "toolkit/platform/win32/direct2d_canvas.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "toolkit/platform/frame_strips.h"
#include "toolkit/platform/win32/decoded_bitmap.h"
#include "toolkit/platform/win32/drawing_shapes.h"
#include "toolkit/platform/win32/text_encoding.h"

namespace toolkit::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

D2D1_RECT_F ToRectF(const Rect& rect) {
  return D2D1::RectF(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
                     static_cast<float>(rect.bottom));
}

D2D1_COLOR_F ToColorF(Color color) { return D2D1::ColorF(color.rgb); }

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw std::runtime_error(what);
}

}  // namespace

Direct2DCanvas::Direct2DCanvas(const Direct2DTarget& target, const Rect& surface)
    : SurfaceCanvas(surface), target_(target) {
  // Every rectangle the toolkit gives lies on whole pixels: filled without anti-aliasing, its
  // edges stay crisp.
  target_.target->SetAntialiasMode(D2D1_ANTIALIAS_MODE_ALIASED);
}

Direct2DCanvas::~Direct2DCanvas() { PopClip(); }

void Direct2DCanvas::FillRect(const Rect& rect, Color color) {
  target_.target->FillRectangle(ToRectF(ToSurface(rect)), Brush(color));
}

void Direct2DCanvas::FrameRect(const Rect& rect, Color color, int width) {
  for (const Rect& strip : FrameStrips(rect, width)) FillRect(strip, color);
}

void Direct2DCanvas::DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) {
  if (bitmap.Width() == 0 || bitmap.Height() == 0) return;
  target_.target->DrawBitmap(Direct2DCopy(bitmap), ToRectF(ToSurface(target)),
                             static_cast<float>(std::clamp(opacity, 0.0, 1.0)),
                             D2D1_BITMAP_INTERPOLATION_MODE_LINEAR, nullptr);
}

void Direct2DCanvas::DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) {
  const std::wstring wide = Utf16FromUtf8(text);
  const Rect area = ToSurface(rect);
  ComPtr<IDWriteTextLayout> textLayout;
  Check(target_.textFactory->CreateTextLayout(wide.data(), static_cast<UINT32>(wide.size()), target_.textFormat,
                                              static_cast<float>(std::max(area.Width(), 0)),
                                              static_cast<float>(std::max(area.Height(), 0)), &textLayout),
        "a text layout cannot be made");
  textLayout->SetTextAlignment(layout.horizontal == TextAlign::Center ? DWRITE_TEXT_ALIGNMENT_CENTER
                                                                      : DWRITE_TEXT_ALIGNMENT_LEADING);
  textLayout->SetParagraphAlignment(layout.vertical == TextAlign::Center ? DWRITE_PARAGRAPH_ALIGNMENT_CENTER
                                                                         : DWRITE_PARAGRAPH_ALIGNMENT_NEAR);
  textLayout->SetWordWrapping(layout.wrap ? DWRITE_WORD_WRAPPING_WRAP : DWRITE_WORD_WRAPPING_NO_WRAP);
  // Drawn without the clip option: text longer than its rectangle runs over rather than being cut.
  target_.target->DrawTextLayout(D2D1::Point2F(static_cast<float>(area.left), static_cast<float>(area.top)),
                                 textLayout.Get(), Brush(color), D2D1_DRAW_TEXT_OPTIONS_NONE);
}

void Direct2DCanvas::ApplyClip(const Rect& surfaceClip) {
  // Direct2D's clips nest; this canvas keeps at most one, the intersection of all ClipTo calls.
  PopClip();
  target_.target->PushAxisAlignedClip(ToRectF(surfaceClip), D2D1_ANTIALIAS_MODE_ALIASED);
  clipPushed_ = true;
}

void Direct2DCanvas::PopClip() {
  if (!clipPushed_) return;
  target_.target->PopAxisAlignedClip();
  clipPushed_ = false;
}

ID2D1SolidColorBrush* Direct2DCanvas::Brush(Color color) {
  if (!brush_) {
    Check(target_.target->CreateSolidColorBrush(ToColorF(color), &brush_), "a brush cannot be made");
  } else {
    brush_->SetColor(ToColorF(color));
  }
  return brush_.Get();
}

ID2D1Bitmap* Direct2DCanvas::Direct2DCopy(const Bitmap& bitmap) {
  // Every bitmap comes from this backend's DecodePng.
  const auto& decoded = static_cast<const DecodedBitmap&>(bitmap);
  DecodedBitmap::Direct2DCopy& copy = decoded.Direct2DCache();
  if (!copy.bitmap || copy.renderTargetSerial != target_.targetSerial) {
    copy.bitmap.Reset();
    const D2D1_BITMAP_PROPERTIES properties =
        D2D1::BitmapProperties(D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96, 96);
    Check(target_.target->CreateBitmap(
              D2D1::SizeU(static_cast<UINT32>(decoded.Width()), static_cast<UINT32>(decoded.Height())),
              decoded.Pixels().data(), static_cast<UINT32>(decoded.Stride()), properties, &copy.bitmap),
          "a Direct2D bitmap cannot be made");
    copy.renderTargetSerial = target_.targetSerial;
  }
  return copy.bitmap.Get();
}

}  // namespace toolkit::platform::win32
