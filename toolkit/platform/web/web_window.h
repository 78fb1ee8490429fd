#pragma once

#include <functional>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/web/accessibility_mirror.h"
#include "toolkit/platform/web/device_scale.h"
#include "toolkit/platform/web/mouse_tracker.h"
#include "toolkit/platform/web/page_events.h"

namespace toolkit::platform::web {

// A top-level window: a canvas that fills the browser's viewport, whose size is the window's
// client size; the caption is the document's title. The platform hands it the page's events
// and lets it paint and mirror its accessibility tree once each round of the loop.
class WebWindow final : public Window {
 public:
  WebWindow(WindowEvents& events, int id);
  ~WebWindow() override;
  WebWindow(const WebWindow&) = delete;
  WebWindow& operator=(const WebWindow&) = delete;

  void SetCaption(std::string_view caption) override;
  // The browser decides the viewport's size; the toolkit is told it instead.
  void SetClientSize(int width, int height) override;
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  void Show() override;
  bool IsVisible() const override { return visible_; }
  void Invalidate() override { invalid_ = true; }
  void Update() override;
  // The page captures every pointer that goes down on the canvas, until it comes up.
  void SetPointerCapture(bool) override {}
  void NotifyAccessibility(AccessibleNode& node, AccessibleChange change) override;

  int Id() const { return id_; }
  // Called as the window goes, so that its platform stops handing it events.
  void OnDestroyed(std::function<void()> onDestroyed) { onDestroyed_ = std::move(onDestroyed); }
  void Deliver(const PageEvent& event);
  // Tells the toolkit of a size it has not heard of yet, paints what is invalid and brings the
  // accessibility mirror up to date; a hidden window leaves painting and mirroring until shown.
  void Refresh();

 private:
  void FollowViewport(int width, int height, double ratio);
  void ReportSize();
  void Paint();
  // Brings the accessibility mirror up to date, if the window has a tree to mirror.
  void Mirror();
  void DeliverPointer(const PageEvent& event);
  void DeliverKey(const PageEvent& event);
  void Activate(int node);

  WindowEvents& events_;
  const int id_;
  std::function<void()> onDestroyed_;
  DeviceScale scale_;
  int width_ = 0;
  int height_ = 0;
  // The size the toolkit has last laid the window out for.
  int laidOutWidth_ = -1;
  int laidOutHeight_ = -1;
  bool visible_ = false;
  bool invalid_ = true;
  MouseTracker mouse_;
  AccessibilityMirror mirror_;
};

}  // namespace toolkit::platform::web
