#include "toolkit/platform/qt/error_box.h"

#include <QApplication>
#include <QMessageBox>

namespace toolkit::platform::qt {

void ShowErrorBox(std::string_view text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

}  // namespace toolkit::platform::qt
