#include "toolkit/platform/win32/gdiplus_canvas.h"

#include <algorithm>
#include <string>

#include "toolkit/platform/frame_strips.h"
#include "toolkit/platform/win32/decoded_bitmap.h"
#include "toolkit/platform/win32/drawing_shapes.h"
#include "toolkit/platform/win32/text_encoding.h"

namespace toolkit::platform::win32 {

namespace {

Gdiplus::Color ToGdiPlus(Color color) {
  return Gdiplus::Color(255, static_cast<BYTE>(color.rgb >> 16), static_cast<BYTE>(color.rgb >> 8),
                        static_cast<BYTE>(color.rgb));
}

Gdiplus::Rect ToGdiPlus(const Rect& rect) { return Gdiplus::Rect(rect.left, rect.top, rect.Width(), rect.Height()); }

Gdiplus::RectF ToGdiPlusF(const Rect& rect) {
  return Gdiplus::RectF(static_cast<Gdiplus::REAL>(rect.left), static_cast<Gdiplus::REAL>(rect.top),
                        static_cast<Gdiplus::REAL>(std::max(rect.Width(), 0)),
                        static_cast<Gdiplus::REAL>(std::max(rect.Height(), 0)));
}

Gdiplus::StringAlignment ToGdiPlus(TextAlign align) {
  return align == TextAlign::Center ? Gdiplus::StringAlignmentCenter : Gdiplus::StringAlignmentNear;
}

}  // namespace

GdiPlusCanvas::GdiPlusCanvas(Gdiplus::Graphics& graphics, const Gdiplus::Font& font, const Rect& surface)
    : SurfaceCanvas(surface), graphics_(graphics), font_(font) {
  // As in Direct2D, integer coordinates are pixel edges, not pixel centres.
  graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics_.SetSmoothingMode(Gdiplus::SmoothingModeNone);
  graphics_.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics_.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
}

void GdiPlusCanvas::FillRect(const Rect& rect, Color color) {
  Gdiplus::SolidBrush brush(ToGdiPlus(color));
  graphics_.FillRectangle(&brush, ToGdiPlus(ToSurface(rect)));
}

void GdiPlusCanvas::FrameRect(const Rect& rect, Color color, int width) {
  for (const Rect& strip : FrameStrips(rect, width)) FillRect(strip, color);
}

void GdiPlusCanvas::DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) {
  if (bitmap.Width() == 0 || bitmap.Height() == 0) return;
  // Every bitmap comes from this backend's DecodePng; GDI+ reads its pixels where they are.
  const auto& decoded = static_cast<const DecodedBitmap&>(bitmap);
  Gdiplus::Bitmap image(decoded.Width(), decoded.Height(), decoded.Stride(), PixelFormat32bppPARGB,
                        const_cast<BYTE*>(decoded.Pixels().data()));
  Gdiplus::ImageAttributes attributes;
  // Smoothing near the edges samples mirrored pixels, not a transparent border.
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  Gdiplus::ColorMatrix fade = {{{1, 0, 0, 0, 0},
                                {0, 1, 0, 0, 0},
                                {0, 0, 1, 0, 0},
                                {0, 0, 0, static_cast<Gdiplus::REAL>(std::clamp(opacity, 0.0, 1.0)), 0},
                                {0, 0, 0, 0, 1}}};
  attributes.SetColorMatrix(&fade);
  // The target's top-left edges are moved out by a 256th of a pixel, which changes nothing
  // visible: GDI+ under Wine otherwise loses the first row or column to rounding now and then.
  constexpr Gdiplus::REAL kEdgeNudge = 1.0f / 256;
  const Gdiplus::RectF destination = ToGdiPlusF(ToSurface(target));
  graphics_.DrawImage(&image,
                      Gdiplus::RectF(destination.X - kEdgeNudge, destination.Y - kEdgeNudge,
                                     destination.Width + kEdgeNudge, destination.Height + kEdgeNudge),
                      0, 0, static_cast<Gdiplus::REAL>(decoded.Width()), static_cast<Gdiplus::REAL>(decoded.Height()),
                      Gdiplus::UnitPixel, &attributes);
}

void GdiPlusCanvas::DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) {
  const std::wstring wide = Utf16FromUtf8(text);
  const INT length = static_cast<INT>(wide.size());
  // The typographic format, without the padding GDI+ adds by default and without its line
  // limit.
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoClip | (layout.wrap ? 0 : Gdiplus::StringFormatFlagsNoWrap));
  format.SetTrimming(Gdiplus::StringTrimmingNone);
  format.SetAlignment(ToGdiPlus(layout.horizontal));
  format.SetLineAlignment(ToGdiPlus(layout.vertical));

  // Text longer than its rectangle runs over rather than being cut: it is laid out in a
  // rectangle large enough to hold it, placed as the alignment places the text. (Given the
  // rectangle itself, GDI+ under Wine drops what does not fit, NoClip or not.)
  const Gdiplus::RectF area = ToGdiPlusF(ToSurface(rect));
  constexpr Gdiplus::REAL kUnbounded = 1e6f;
  Gdiplus::RectF needed;
  graphics_.MeasureString(wide.c_str(), length, &font_,
                          Gdiplus::RectF(0, 0, layout.wrap ? area.Width : kUnbounded, kUnbounded), &format, &needed);
  const Gdiplus::REAL width = std::max(area.Width, needed.Width);
  const Gdiplus::REAL height = std::max(area.Height, needed.Height);
  const Gdiplus::RectF holder(
      layout.horizontal == TextAlign::Center ? area.X + (area.Width - width) / 2 : area.X,
      layout.vertical == TextAlign::Center ? area.Y + (area.Height - height) / 2 : area.Y, width, height);

  Gdiplus::SolidBrush brush(ToGdiPlus(color));
  graphics_.DrawString(wide.c_str(), length, &font_, holder, &format, &brush);
}

void GdiPlusCanvas::ApplyClip(const Rect& surfaceClip) {
  graphics_.SetClip(ToGdiPlus(surfaceClip), Gdiplus::CombineModeReplace);
}

}  // namespace toolkit::platform::win32
