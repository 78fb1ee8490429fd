#pragma once

#include "control.h"

namespace toolkit {

// An opaque panel with the look's fill and a one-pixel border inside its edges.
class TPanel : public TControl {
  Q_OBJECT

 public:
  explicit TPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace toolkit
