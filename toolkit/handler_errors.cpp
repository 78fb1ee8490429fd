#include "handler_errors.h"

#include <QApplication>
#include <QMessageBox>

namespace toolkit {

void ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
  box.exec();
}

}  // namespace toolkit
