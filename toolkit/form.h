#pragma once

#include <QStringList>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "component.h"
#include "component_record.h"
#include "control.h"
#include "toolkit/gesture/gesture_recognizer.h"
#include "toolkit/gesture/stroke_recorder.h"

namespace toolkit {

// A top-level window whose contents come from a stored form definition. The form publishes
// its event handlers by name, and the definition binds them to the events of its components.
class TForm : public QWidget, public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
  Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
  Q_PROPERTY(QString GestureManager READ GestureManager WRITE SetGestureManager)
  Q_PROPERTY(QStringList StandardGestures READ StandardGestures WRITE SetStandardGestures)

 public:
  TForm();

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  int ClientWidth() const { return width(); }
  void SetClientWidth(int width);
  int ClientHeight() const { return height(); }
  void SetClientHeight(int height);

  // The gesture manager whose settings the window's swipes use, by name, and the standard
  // gestures the window recognises, in registration order ("sgiLeft", "sgiRight").
  const QString& GestureManager() const { return gestureManager_; }
  void SetGestureManager(const QString& name) { gestureManager_ = name; }
  const QStringList& StandardGestures() const { return standardGestures_; }
  void SetStandardGestures(const QStringList& gestures) { standardGestures_ = gestures; }

  // Follows a mouse event that a control of this window has handled: a left-button stroke
  // anywhere over the window is recorded, and on release matched against the window's
  // gestures; a recognised one raises OnGesture once.
  void FollowStroke(const QMouseEvent& event);

  // Builds the form from its definition: its own properties, then its components in stored order.
  void ReadDefinition();
  // Runs the creation handler, once the definition has been read.
  void DoCreate();

  // A component read from the definition, by name; none when there is no such component.
  QObject* FindComponent(const std::string& name) const;
  template <typename T>
  T* Find(const std::string& name) const {
    return qobject_cast<T*>(FindComponent(name));
  }
  void AddComponent(const std::string& name, QObject* component);

  // A published handler by name; an unknown name is an error.
  const THandler& Handler(const std::string& name) const;

  bool BindEvent(const std::string& event, const THandler& handler) override;
  QWidget* ChildContainer() override { return this; }
  void Loaded() override;

 protected:
  virtual ComponentRecord Definition() const = 0;
  void Publish(const std::string& name, THandler handler);
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Sizes the window without choosing its place, which is left to the window system.
  void SetClientSize(QSize size);

  std::map<std::string, THandler> handlers_;
  std::map<std::string, QObject*> components_;
  TNotifyEvent onCreate_;
  TGestureEvent onGesture_;
  QString gestureManager_;
  QStringList standardGestures_;
  std::optional<gesture::GestureRecognizer> recognizer_;
  gesture::StrokeRecorder stroke_;
};

}  // namespace toolkit
