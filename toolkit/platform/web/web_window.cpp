#include "toolkit/platform/web/web_window.h"

#include <array>
#include <string>

#include "toolkit/platform/web/decoding_pass.h"
#include "toolkit/platform/web/key_input.h"
#include "toolkit/platform/web/page_api.h"
#include "toolkit/platform/web/web_canvas.h"

namespace toolkit::platform::web {
namespace {

std::optional<TouchPhase> TouchPhaseOf(PageEventKind kind) {
  switch (kind) {
    case PageEventKind::PointerDown:
      return TouchPhase::Down;
    case PageEventKind::PointerMove:
      return TouchPhase::Move;
    case PageEventKind::PointerUp:
      return TouchPhase::Up;
    case PageEventKind::PointerCancel:
      return TouchPhase::Cancel;
    default:
      return std::nullopt;
  }
}

}  // namespace

WebWindow::WebWindow(WindowEvents& events, int id) : events_(events), id_(id), mouse_(events), mirror_(id) {
  lumivor_window_create(id_);
  std::array<double, 3> viewport{};
  lumivor_viewport(viewport.data());
  FollowViewport(static_cast<int>(viewport[0]), static_cast<int>(viewport[1]), viewport[2]);
}

WebWindow::~WebWindow() {
  lumivor_window_destroy(id_);
  if (onDestroyed_) onDestroyed_();
}

void WebWindow::SetCaption(std::string_view caption) {
  lumivor_set_caption(caption.data(), static_cast<int>(caption.size()));
}

void WebWindow::SetClientSize(int width, int height) {
  // The toolkit lays itself out for the size it asked for; the next round corrects it.
  laidOutWidth_ = width;
  laidOutHeight_ = height;
}

void WebWindow::Show() {
  if (visible_) return;
  visible_ = true;
  ReportSize();
  // Painted before it is shown, so that the page never shows an empty window; mirrored once
  // shown, since the page gives no hidden element the focus.
  Paint();
  lumivor_window_show(id_);
  mirror_.Changed();
  Mirror();
}

void WebWindow::Update() {
  if (visible_ && invalid_) Paint();
}

void WebWindow::NotifyAccessibility(AccessibleNode&, AccessibleChange) { mirror_.Changed(); }

void WebWindow::Refresh() {
  ReportSize();
  if (!visible_) return;
  if (invalid_) Paint();
  Mirror();
}

void WebWindow::Mirror() {
  if (AccessibleNode* root = events_.AccessibleRoot()) mirror_.Update(*root);
}

void WebWindow::FollowViewport(int width, int height, double ratio) {
  if (width == width_ && height == height_ && ratio == scale_.ratio) return;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  scale_.ratio = ratio > 0 ? ratio : 1;
  invalid_ = true;
  mirror_.Changed();
}

void WebWindow::ReportSize() {
  if (width_ == laidOutWidth_ && height_ == laidOutHeight_) return;
  laidOutWidth_ = width_;
  laidOutHeight_ = height_;
  events_.Resized(width_, height_);
}

void WebWindow::Paint() {
  invalid_ = false;
  DecodingPass decoding;
  events_.Paint(decoding);
  lumivor_canvas_begin(id_, scale_.ToDevice(width_), scale_.ToDevice(height_), width_, height_);
  WebCanvas canvas(scale_);
  events_.Paint(canvas);
  lumivor_canvas_end(id_);
}

void WebWindow::Deliver(const PageEvent& event) {
  switch (event.kind) {
    case PageEventKind::Resize:
      FollowViewport(static_cast<int>(event.x), static_cast<int>(event.y), event.ratio);
      ReportSize();
      return;
    case PageEventKind::PointerDown:
    case PageEventKind::PointerMove:
    case PageEventKind::PointerUp:
    case PageEventKind::PointerCancel:
      DeliverPointer(event);
      return;
    case PageEventKind::PointerLeave:
      if (event.pointer == PointerKind::Mouse) mouse_.Left();
      return;
    case PageEventKind::KeyDown:
      DeliverKey(event);
      return;
    case PageEventKind::Activated:
    case PageEventKind::Deactivated:
      events_.ActiveChanged(event.kind == PageEventKind::Activated);
      return;
    case PageEventKind::AccessibleFocus:
      if (AccessibleNode* node = mirror_.Find(event.node); node != nullptr && node->IsFocusable()) node->TakeFocus();
      return;
    case PageEventKind::AccessibleClick:
      Activate(event.node);
      return;
  }
}

void WebWindow::DeliverPointer(const PageEvent& event) {
  const PointF position{event.x, event.y};
  if (event.pointer == PointerKind::Mouse) {
    if (event.kind == PageEventKind::PointerCancel) {
      mouse_.Cancelled();
    } else {
      mouse_.Report(position, event.buttons, event.time, event.kind == PageEventKind::PointerMove);
    }
    return;
  }
  // A pen in the air is no contact.
  if (event.kind == PageEventKind::PointerMove && event.buttons == 0) return;
  if (const auto phase = TouchPhaseOf(event.kind)) events_.Touch(*phase, event.pointerId, position);
}

void WebWindow::DeliverKey(const PageEvent& event) {
  const std::optional<KeyStroke> stroke = TranslateKey(event.key, event.modifiers);
  if (!stroke) return;
  events_.KeyDown(stroke->key, stroke->modifiers);
  if (stroke->typed) events_.CharTyped(*stroke->typed, stroke->modifiers);
}

void WebWindow::Activate(int node) {
  // A screen reader's activation reaches a control as a click in its middle would.
  AccessibleNode* target = mirror_.Find(node);
  if (target == nullptr) return;
  if (target->IsFocusable()) target->TakeFocus();
  const Rect bounds = target->BoundsInWindow();
  const PointF centre{(bounds.left + bounds.right) / 2.0, (bounds.top + bounds.bottom) / 2.0};
  events_.PointerPressed(MouseButton::Left, centre);
  events_.PointerReleased(MouseButton::Left, centre);
}

}  // namespace toolkit::platform::web
