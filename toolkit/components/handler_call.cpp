#include "toolkit/components/handler_call.h"

namespace toolkit {
namespace {

std::function<void(std::string_view)>& Reporter() {
  static std::function<void(std::string_view)> reporter;
  return reporter;
}

}  // namespace

void SetHandlerErrorReporter(std::function<void(std::string_view)> reporter) { Reporter() = std::move(reporter); }

void ReportHandlerError(std::string_view text) {
  if (Reporter()) Reporter()(text);
}

}  // namespace toolkit
