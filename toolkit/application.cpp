#include "application.h"

#include <QIcon>
#include <QPixmap>

#include "accessibility.h"
#include "form.h"
#include "message_loop.h"
#include "style.h"
#include "toolkit/platform/platform.h"

namespace toolkit {
namespace {

// The program takes no arguments; the windowing system still wants a program name.
int argumentCount = 1;
char programName[] = "lumivor";
char* arguments[] = {programName, nullptr};

// Layout units are physical pixels: the windowing system must not scale the window.
void DeclareDpiAware() {
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

QIcon MainIcon() {
  QIcon icon;
  for (const platform::IconImage& image : platform::MainIconImages()) {
    QPixmap pixmap;
    pixmap.loadFromData(image.png.data(), static_cast<uint>(image.png.size()), "PNG");
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

TApplication::TApplication() = default;
TApplication::~TApplication() {
  // Reached only when the process ends without Run having finished: Qt's own globals may
  // already be gone, so the windows and the loop are left to the end of the process.
  for (auto& form : otherForms_) form.release();
  mainForm_.release();
  loop_.release();
}

void TApplication::Initialize() {
  if (loop_) return;
  DeclareDpiAware();
  loop_ = std::make_unique<MessageLoop>(argumentCount, arguments);
  QApplication::setWindowIcon(MainIcon());
  QApplication::setFont(PlatformFont());
  InstallAccessibility();
}

int TApplication::Run() {
  Initialize();
  for (const auto& create : pending_) {
    std::unique_ptr<TForm> form(create());
    form->winId();  // the native window exists from here on, hidden
    form->ReadDefinition();
    form->DoCreate();
    if (!mainForm_) {
      mainForm_ = std::move(form);
    } else {
      otherForms_.push_back(std::move(form));
    }
  }
  pending_.clear();
  if (!mainForm_) return 0;
  mainForm_->show();
  const int exitCode = QApplication::exec();
  // The forms and everything on them go with the application.
  otherForms_.clear();
  mainForm_.reset();
  loop_.reset();
  return exitCode;
}

TApplication* const Application = [] {
  static TApplication application;
  return &application;
}();

}  // namespace toolkit
