#pragma once

#include <QObject>

#include "component.h"

namespace toolkit {

// The settings shared by the gesture recogniser of the windows that use this manager.
class TGestureManager : public QObject, public TComponent {
  Q_OBJECT
  Q_PROPERTY(double Sensitivity READ Sensitivity WRITE SetSensitivity)

 public:
  static constexpr double kDefaultSensitivity = 80;

  explicit TGestureManager(QObject* parent);

  double Sensitivity() const { return sensitivity_; }
  void SetSensitivity(double sensitivity) { sensitivity_ = sensitivity; }

  bool BindEvent(const std::string&, const THandler&) override { return false; }

 private:
  double sensitivity_ = kDefaultSensitivity;
};

}  // namespace toolkit
