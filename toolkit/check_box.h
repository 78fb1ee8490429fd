#pragma once

#include "pressable.h"

namespace toolkit {

// A check box with its caption; the box and the caption are one control. A click or a
// typed space flips it; every real change raises OnChange once.
class TCheckBox : public TPressable {
  Q_OBJECT
  Q_PROPERTY(bool IsChecked READ IsChecked WRITE SetIsChecked)

 public:
  explicit TCheckBox(QWidget* parent);

  bool IsChecked() const { return checked_; }
  void SetIsChecked(bool checked);

  bool BindEvent(const std::string& event, const THandler& handler) override;

 protected:
  void Clicked() override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool checked_ = false;
  TNotifyEvent onChange_;
};

}  // namespace toolkit
