#pragma once

#include <QByteArray>
#include <QImage>

#include "control.h"

namespace toolkit {

// Shows one picture, scaled smoothly to just fit and centred in the control. The picture is
// kept compressed until the control is first painted, then decoded once and kept.
class TImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(QByteArray Picture READ Picture WRITE SetPicture)

 public:
  explicit TImage(QWidget* parent);

  // A PNG stream built into the program, held without copying.
  const QByteArray& Picture() const { return compressed_; }
  void SetPicture(const QByteArray& png);

  bool IsDecoded() const { return !bitmap_.isNull(); }
  const QImage& Bitmap() const { return bitmap_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QByteArray compressed_;
  QImage bitmap_;
};

}  // namespace toolkit
