#include "toolkit/app/form.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/app/application.h"
#include "toolkit/app/gesture_manager.h"
#include "toolkit/components/handler_call.h"
#include "toolkit/gesture/gesture_template.h"

namespace toolkit {
namespace {

// The client area: the container of the form's controls, and the window a screen reader sees.
class FormClient : public TControl {
 public:
  explicit FormClient(const TForm& form) : form_(form) {}
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::Window; }
  std::string Name() const override { return form_.Caption(); }

 private:
  const TForm& form_;
};

bool IsWithin(const TControl* control, const TControl& container) {
  for (; control != nullptr; control = control->Parent()) {
    if (control == &container) return true;
  }
  return false;
}

gesture::GestureTemplate StandardGesture(const std::string& name) {
  if (name == "sgiLeft") return gesture::leftSwipeTemplate;
  if (name == "sgiRight") return gesture::rightSwipeTemplate;
  throw std::invalid_argument("unknown standard gesture " + name);
}

// The window's frame and state are those of every form of this program; a definition
// asking for another is refused rather than ignored.
template <typename T>
void RequireValue(std::string_view property, const TValue& value, const T& supported) {
  if (ValueAs<T>(value, property) != supported) {
    throw std::invalid_argument("unsupported value for " + std::string(property));
  }
}

}  // namespace

TForm::TForm()
    : window_(Application->Services().CreateWindow(*this)), client_(std::make_unique<FormClient>(*this)) {
  client_->SetHost(this);
  client_->Place(Rect{0, 0, window_->ClientWidth(), window_->ClientHeight()});
}

TForm::~TForm() {
  // Controls go before the window that reports on them.
  client_.reset();
  components_.clear();
}

void TForm::ReadDefinition() { ReadForm(*this, *this, Definition()); }

void TForm::DoCreate() { CallHandler(onCreate_, this); }

void TForm::Show() { window_->Show(); }

void TForm::Close() {
  if (Application->MainForm() == this) Application->Terminate();
}

void TForm::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  window_->SetCaption(caption_);
  window_->NotifyAccessibility(*client_, platform::AccessibleChange::Name);
}

int TForm::ClientWidth() const { return client_->Width(); }
int TForm::ClientHeight() const { return client_->Height(); }

void TForm::SetClientSize(int width, int height) {
  window_->SetClientSize(width, height);
  // A hidden window may report its new size only once it is shown.
  client_->Place(Rect{0, 0, width, height});
}

TComponent* TForm::FindComponent(const std::string& name) const {
  const auto found = names_.find(name);
  return found == names_.end() ? nullptr : found->second;
}

bool TForm::SetProperty(std::string_view property, const TValue& value) {
  if (property == "Caption") {
    SetCaption(ValueAs<std::string>(value, property));
  } else if (property == "ClientWidth") {
    SetClientSize(ValueAs<int>(value, property), ClientHeight());
  } else if (property == "ClientHeight") {
    SetClientSize(ClientWidth(), ValueAs<int>(value, property));
  } else if (property == "Left" || property == "Top") {
    // The window system always chooses where a new window goes: a stored position counts as
    // never set.
    ValueAs<int>(value, property);
  } else if (property == "Position") {
    RequireValue(property, value, std::string("DefaultPosOnly"));
  } else if (property == "BorderStyle") {
    RequireValue(property, value, std::string("Sizeable"));
  } else if (property == "BorderIcons") {
    RequireValue(property, value, std::vector<std::string>{"biSystemMenu", "biMinimize", "biMaximize"});
  } else if (property == "WindowState") {
    RequireValue(property, value, std::string("wsNormal"));
  } else if (property == "Touch.GestureManager") {
    gestureManager_ = ValueAs<std::string>(value, property);
  } else if (property == "Touch.StandardGestures") {
    standardGestures_ = ValueAs<std::vector<std::string>>(value, property);
  } else {
    return false;
  }
  return true;
}

bool TForm::BindEvent(std::string_view event, const THandler& handler) {
  if (event == "OnCreate") {
    onCreate_ = HandlerAs<TNotifyEvent>(handler, event);
  } else if (event == "OnGesture") {
    onGesture_ = HandlerAs<TGestureEvent>(handler, event);
  } else {
    return false;
  }
  return true;
}

bool TForm::Adopt(std::unique_ptr<TComponent>& child) {
  if (client_->Adopt(child)) return true;
  components_.push_back(std::move(child));
  return true;
}

void TForm::Loaded() {
  if (standardGestures_.empty()) return;
  int sensitivity = gesture::defaultSensitivity;
  if (!gestureManager_.empty()) {
    const auto* manager = Find<TGestureManager>(gestureManager_);
    if (manager == nullptr) throw std::invalid_argument("no gesture manager " + gestureManager_);
    sensitivity = manager->Sensitivity();
  }
  std::vector<gesture::GestureTemplate> templates;
  for (const std::string& name : standardGestures_) templates.push_back(StandardGesture(name));
  strokes_.UseGestures(std::move(templates), sensitivity);
}

const THandler& TForm::Handler(const std::string& name) const {
  const auto found = handlers_.find(name);
  if (found == handlers_.end()) throw std::invalid_argument("the form has no handler " + name);
  return found->second;
}

void TForm::AddComponent(TComponent& component) {
  if (!names_.emplace(component.ComponentName(), &component).second) {
    throw std::invalid_argument("two components are named " + component.ComponentName());
  }
}

void TForm::Publish(const std::string& name, THandler handler) { handlers_[name] = std::move(handler); }

platform::Platform& TForm::Services() { return Application->Services(); }

void TForm::InvalidateWindow() { window_->Invalidate(); }

void TForm::UpdateWindow() { window_->Update(); }

bool TForm::IsWindowShown() const { return window_->IsVisible(); }

void TForm::SetFocused(TControl* control) {
  if (control == focused_) return;
  TControl* previous = focused_;
  focused_ = control;
  if (previous != nullptr) previous->FocusChanged();
  if (control != nullptr) {
    control->FocusChanged();
    window_->NotifyAccessibility(*control, platform::AccessibleChange::Focus);
  }
}

void TForm::ControlHidden(TControl& control) {
  if (IsWithin(focused_, control)) SetFocused(nullptr);
  if (IsWithin(hovered_, control)) hovered_ = nullptr;
  if (IsWithin(pressed_, control)) CancelPress();
}

void TForm::AccessibilityChanged(TControl& control, platform::AccessibleChange change) {
  window_->NotifyAccessibility(control, change);
}

void TForm::Paint(platform::Canvas& canvas) { client_->PaintTree(canvas); }

void TForm::Resized(int clientWidth, int clientHeight) { client_->Place(Rect{0, 0, clientWidth, clientHeight}); }

void TForm::PointerPressed(MouseButton button, PointF position) { Press(button, position, false, false); }

void TForm::PointerDoubleClicked(MouseButton button, PointF position) { Press(button, position, true, false); }

void TForm::PointerMoved(PointF position) { Move(position, leftDown_); }

void TForm::PointerReleased(MouseButton button, PointF position) { Release(button, position, false); }

void TForm::PointerLeft() {
  TControl* previous = hovered_;
  hovered_ = nullptr;
  if (previous != nullptr) previous->HoverChanged();
}

void TForm::PointerCaptureLost() {
  // The fingers went with the pointer: one still down lifts unheard, and the next to land
  // presses afresh.
  touches_.clear();
  primaryTouch_ = -1;
  AbandonPress();
}

void TForm::Touch(platform::TouchPhase phase, int id, PointF position) {
  switch (phase) {
    case platform::TouchPhase::Down:
      touches_.insert(id);
      // A single finger strokes, presses and releases like the left button; further fingers
      // only stop the stroke from growing.
      if (touches_.size() == 1) {
        primaryTouch_ = id;
        Press(MouseButton::Left, position, false, true);
      }
      return;
    case platform::TouchPhase::Move:
      if (id == primaryTouch_) Move(position, touches_.size() == 1);
      return;
    case platform::TouchPhase::Up:
      touches_.erase(id);
      if (id == primaryTouch_) {
        primaryTouch_ = -1;
        Release(MouseButton::Left, position, true);
      }
      return;
    case platform::TouchPhase::Cancel:
      touches_.erase(id);
      if (id == primaryTouch_) {
        primaryTouch_ = -1;
        AbandonPress();
      }
      return;
  }
}

void TForm::Press(MouseButton button, PointF position, bool doubleClick, bool touch) {
  UpdateHover(position);
  TControl* target = client_->ControlAt(position);
  if (button == MouseButton::Left) {
    // A press while the last one is still held means that one's release was lost on the way.
    AbandonPress();
    leftDown_ = true;
    pressed_ = target;
    window_->SetPointerCapture(true);
    strokes_.Press(position);
  }
  if (target != nullptr) target->PointerDown({button, target->FromWindow(position), doubleClick, touch});
}

void TForm::Move(PointF position, bool addsToStroke) {
  UpdateHover(position);
  if (addsToStroke) strokes_.Move(position);
}

void TForm::Release(MouseButton button, PointF position, bool touch) {
  if (button != MouseButton::Left || !leftDown_) return;
  leftDown_ = false;
  window_->SetPointerCapture(false);
  // The stroke is evaluated after the control has handled the release, including any slide
  // the release started; input handled meanwhile starts strokes of its own.
  const std::optional<gesture::Stroke> stroke = strokes_.TakeStroke();
  if (TControl* target = std::exchange(pressed_, nullptr)) {
    target->PointerUp({button, target->FromWindow(position), false, touch});
  }
  if (!stroke) return;
  if (const std::optional<TGestureEventInfo> info = strokes_.Match(*stroke)) {
    bool handled = false;
    CallHandler(onGesture_, this, *info, handled);
  }
}

void TForm::CancelPress() {
  if (TControl* target = std::exchange(pressed_, nullptr)) target->PressCancelled();
}

void TForm::AbandonPress() {
  if (!leftDown_) return;
  leftDown_ = false;
  window_->SetPointerCapture(false);
  CancelPress();
  strokes_.Abandon();
}

void TForm::UpdateHover(PointF position) {
  TControl* hovered = client_->ControlAt(position);
  if (hovered == hovered_) return;
  TControl* previous = std::exchange(hovered_, hovered);
  if (previous != nullptr) previous->HoverChanged();
  if (hovered != nullptr) hovered->HoverChanged();
}

void TForm::KeyDown(Key key, Modifiers modifiers) {
  if (key == Key::Tab && !modifiers.control && !modifiers.alt) {
    MoveFocus(modifiers.shift);
    return;
  }
  for (TControl* control = focused_; control != nullptr; control = control->Parent()) {
    if (control->KeyDown(key, modifiers)) return;
  }
}

void TForm::CharTyped(char32_t character, Modifiers modifiers) {
  for (TControl* control = focused_; control != nullptr; control = control->Parent()) {
    if (control->CharTyped(character, modifiers)) return;
  }
}

void TForm::MoveFocus(bool backwards) {
  std::vector<TControl*> stops;
  client_->CollectTabStops(stops);
  if (stops.empty()) return;
  const auto current = std::find(stops.begin(), stops.end(), focused_);
  const int count = static_cast<int>(stops.size());
  int index = current == stops.end() ? (backwards ? 0 : -1) : static_cast<int>(current - stops.begin());
  index = (index + (backwards ? count - 1 : 1)) % count;
  SetFocused(stops[index]);
}

platform::AccessibleNode* TForm::AccessibleRoot() { return client_.get(); }

}  // namespace toolkit
