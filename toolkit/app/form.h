#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "toolkit/app/stroke_follower.h"
#include "toolkit/components/component_record.h"
#include "toolkit/components/form_reader.h"
#include "toolkit/controls/control.h"
#include "toolkit/platform/platform.h"

namespace toolkit {

// A top-level window whose contents come from a stored form definition. The form publishes
// its event handlers by name, and the definition binds them to the events of its components.
// Its controls are painted on one native window, which hands the form its input: the form
// finds the control under the pointer, keeps the keyboard focus and the pressed control, and
// follows the strokes made anywhere over the window for its gestures.
class TForm : public TComponent,
              public ComponentOwner,
              public ControlHost,
              public platform::WindowEvents {
 public:
  // Creates the native window, hidden; the window system chooses its place.
  TForm();
  ~TForm() override;

  // Builds the form from its definition: its own properties, then its components in stored order.
  void ReadDefinition();
  // Runs the creation handler, once the definition has been read.
  void DoCreate();
  void Show();
  // A close request: closing the main form ends the application.
  void Close();

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  platform::Window& NativeWindow() const { return *window_; }

  // A component read from the definition, by name; none when there is no such component.
  TComponent* FindComponent(const std::string& name) const;
  template <typename T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

  // TComponent
  bool SetProperty(std::string_view property, const TValue& value) override;
  bool BindEvent(std::string_view event, const THandler& handler) override;
  bool Adopt(std::unique_ptr<TComponent>& child) override;
  void Loaded() override;

  // ComponentOwner
  const THandler& Handler(const std::string& name) const override;
  void AddComponent(TComponent& component) override;

  // ControlHost
  platform::Platform& Services() override;
  void InvalidateWindow() override;
  void UpdateWindow() override;
  bool IsWindowShown() const override;
  TControl* Focused() const override { return focused_; }
  void SetFocused(TControl* control) override;
  TControl* Hovered() const override { return hovered_; }
  void ControlHidden(TControl& control) override;
  void AccessibilityChanged(TControl& control, platform::AccessibleChange change) override;

  // WindowEvents
  void Paint(platform::Canvas& canvas) override;
  void Resized(int clientWidth, int clientHeight) override;
  void PointerPressed(MouseButton button, PointF position) override;
  void PointerDoubleClicked(MouseButton button, PointF position) override;
  void PointerMoved(PointF position) override;
  void PointerReleased(MouseButton button, PointF position) override;
  void PointerLeft() override;
  void PointerCaptureLost() override;
  void Touch(platform::TouchPhase phase, int id, PointF position) override;
  void KeyDown(Key key, Modifiers modifiers) override;
  void CharTyped(char32_t character, Modifiers modifiers) override;
  void ActiveChanged(bool) override {}
  void CloseRequested() override { Close(); }
  platform::AccessibleNode* AccessibleRoot() override;

 protected:
  virtual ComponentRecord Definition() const = 0;
  void Publish(const std::string& name, THandler handler);

 private:
  void Press(MouseButton button, PointF position, bool doubleClick, bool touch);
  void Move(PointF position, bool addsToStroke);
  void Release(MouseButton button, PointF position, bool touch);
  void CancelPress();
  // Ends the left press held, if any, as if it had never been made: no click, no gesture.
  void AbandonPress();
  void UpdateHover(PointF position);
  void MoveFocus(bool backwards);

  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<TControl> client_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::map<std::string, TComponent*> names_;
  std::map<std::string, THandler> handlers_;
  std::string caption_;
  TNotifyEvent onCreate_;
  TGestureEvent onGesture_;
  std::string gestureManager_;
  std::vector<std::string> standardGestures_;

  TControl* focused_ = nullptr;
  TControl* hovered_ = nullptr;
  TControl* pressed_ = nullptr;  // receives the pointer until the left button or finger lifts
  bool leftDown_ = false;
  std::set<int> touches_;
  int primaryTouch_ = -1;
  StrokeFollower strokes_;
};

}  // namespace toolkit
