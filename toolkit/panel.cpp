#include "panel.h"

#include <QPainter>

#include "painting.h"
#include "style.h"

namespace toolkit {

TPanel::TPanel(QWidget* parent) : TControl(parent) {}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TStyle& style = PlatformStyle();
  FillWithBorder(painter, rect(), style.panelFill, style.panelBorder);
}

}  // namespace toolkit
