#pragma once

#include "control.h"

namespace toolkit {

// A block of text centred both ways in its rectangle and wrapped at word boundaries.
class TText : public TControl {
  Q_OBJECT

 public:
  explicit TText(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace toolkit
