#pragma once

#include "pressable.h"

namespace toolkit {

// A push button with a centred caption. A click, or Enter or Space while it has the focus,
// raises OnClick.
class TButton : public TPressable {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent);

  bool BindEvent(const std::string& event, const THandler& handler) override;
  // Clicks the button as the learner would.
  void Click() { Clicked(); }

 protected:
  void Clicked() override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TNotifyEvent onClick_;
};

}  // namespace toolkit
