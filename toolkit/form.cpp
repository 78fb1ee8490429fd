#include "form.h"

#include <QMouseEvent>
#include <cmath>
#include <stdexcept>

#include "control.h"
#include "form_reader.h"
#include "handler_errors.h"
#include "toolkit/gesture/gesture_template.h"
#include "gesture_manager.h"

namespace toolkit {

TForm::TForm() : QWidget(nullptr, Qt::Window) {}

void TForm::SetClientWidth(int width) { SetClientSize(QSize(width, height())); }

void TForm::SetClientHeight(int height) { SetClientSize(QSize(width(), height)); }

void TForm::SetClientSize(QSize size) {
  resize(size);
  AlignChildren(this);  // a hidden window gets its resize event only when shown
}

void TForm::ReadDefinition() { ReadForm(*this, Definition()); }

void TForm::DoCreate() {
  if (onCreate_) onCreate_(this);
}

QObject* TForm::FindComponent(const std::string& name) const {
  const auto found = components_.find(name);
  return found == components_.end() ? nullptr : found->second;
}

void TForm::AddComponent(const std::string& name, QObject* component) {
  if (!components_.emplace(name, component).second) {
    throw std::invalid_argument("two components are named " + name);
  }
}

const THandler& TForm::Handler(const std::string& name) const {
  const auto found = handlers_.find(name);
  if (found == handlers_.end()) throw std::invalid_argument("the form has no handler " + name);
  return found->second;
}

void TForm::Publish(const std::string& name, THandler handler) { handlers_[name] = std::move(handler); }

bool TForm::BindEvent(const std::string& event, const THandler& handler) {
  if (event == "OnCreate") {
    onCreate_ = HandlerAs<TNotifyEvent>(handler, event);
  } else if (event == "OnGesture") {
    onGesture_ = HandlerAs<TGestureEvent>(handler, event);
  } else {
    return false;
  }
  return true;
}

namespace {

gesture::GestureTemplate StandardGesture(const QString& name) {
  if (name == "sgiLeft") return gesture::leftSwipeTemplate;
  if (name == "sgiRight") return gesture::rightSwipeTemplate;
  throw std::invalid_argument("unknown standard gesture " + name.toStdString());
}

}  // namespace

void TForm::Loaded() {
  if (standardGestures_.isEmpty()) return;
  double sensitivity = TGestureManager::kDefaultSensitivity;
  if (!gestureManager_.isEmpty()) {
    const auto* manager = Find<TGestureManager>(gestureManager_.toStdString());
    if (manager == nullptr) throw std::invalid_argument("no gesture manager " + gestureManager_.toStdString());
    sensitivity = manager->Sensitivity();
  }
  std::vector<gesture::GestureTemplate> templates;
  for (const QString& name : standardGestures_) templates.push_back(StandardGesture(name));
  recognizer_.emplace(std::move(templates), static_cast<int>(std::lround(sensitivity)));
}

void TForm::FollowStroke(const QMouseEvent& event) {
  if (!recognizer_) return;
  const gesture::Point position{event.scenePosition().x(), event.scenePosition().y()};
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (event.button() == Qt::LeftButton) stroke_.press(position);
      return;
    case QEvent::MouseMove:
      if (event.buttons() & Qt::LeftButton) stroke_.move(position);
      return;
    case QEvent::MouseButtonRelease:
      break;
    default:
      return;
  }
  if (event.button() != Qt::LeftButton) return;
  const std::optional<gesture::Stroke> stroke = stroke_.release();
  if (!stroke || !onGesture_) return;
  const int id = recognizer_->recognise(stroke->points);
  if (id == 0) return;
  bool handled = false;
  CallHandler(onGesture_, this, TGestureEventInfo{id, stroke->start.x, stroke->start.y}, handled);
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  AlignChildren(this);
}

}  // namespace toolkit
