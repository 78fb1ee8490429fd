#include "toolkit/app/application.h"

#include <stdexcept>

#include "toolkit/app/form.h"
#include "toolkit/app/standard_classes.h"
#include "toolkit/components/handler_call.h"
#include "toolkit/looks/style.h"

namespace toolkit {

TApplication::TApplication() = default;

TApplication::~TApplication() {
  Shutdown();
  SetHandlerErrorReporter(nullptr);
}

void TApplication::Initialize() {
  if (platform_) return;
  RegisterStandardClasses();
  platform_ = platform::CreatePlatform();
  UseStyle(StyleForVersion(platform_->Version()));
  SetHandlerErrorReporter([this](std::string_view text) { platform_->ShowError(text); });
}

platform::Platform& TApplication::Services() const {
  if (!platform_) throw std::logic_error("the application is not initialised");
  return *platform_;
}

int TApplication::Run() {
  Initialize();
  for (const auto& create : pending_) {
    forms_.push_back(create());
    TForm& form = *forms_.back();
    form.ReadDefinition();
    form.DoCreate();
  }
  pending_.clear();
  if (forms_.empty()) return 0;
  MainForm()->Show();
  const int exitCode = platform_->RunLoop();
  Shutdown();
  return exitCode;
}

void TApplication::Shutdown() {
  // The forms and everything on them go before the platform that holds their windows.
  forms_.clear();
  platform_.reset();
}

void TApplication::Terminate() { Services().Quit(0); }

TApplication* const Application = [] {
  static TApplication application;
  return &application;
}();

}  // namespace toolkit
