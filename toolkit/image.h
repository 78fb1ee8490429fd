#pragma once

#include <QByteArray>
#include <QImage>

#include "control.h"

namespace toolkit {

// Shows one picture, scaled smoothly to just fit and centred in the control. The picture is
// kept compressed until the control is first painted, then decoded once and kept.
class TImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Picture READ Picture WRITE SetPicture)

 public:
  explicit TImage(QWidget* parent);

  // A picture built into the program, named by its resource path.
  const QString& Picture() const { return picture_; }
  void SetPicture(const QString& resourcePath);

  bool IsDecoded() const { return !bitmap_.isNull(); }
  const QImage& Bitmap() const { return bitmap_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString picture_;
  QByteArray compressed_;
  QImage bitmap_;
};

}  // namespace toolkit
