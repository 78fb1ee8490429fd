#include "program_window.h"

#include "browser_program_session.h"
#include "x_program_session.h"

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace e2e {
namespace {

// How long the screen must stay the same before what it shows counts as
// settled: LUMIVOR_SETTLE_MS, or one poll. A program whose frames reach the
// screen late or in bursts, as under Wine, needs longer.
std::chrono::milliseconds settleTime() {
  const char* text = std::getenv("LUMIVOR_SETTLE_MS");
  if (text == nullptr || *text == '\0') return kCapturePollInterval;
  return std::chrono::milliseconds(std::stoi(text));
}

bool isBlank(const QImage& image) {
  if (image.isNull()) return true;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != first) return false;
  return true;
}

std::unique_ptr<ProgramSession> startSession(const EnvironmentOverrides& environment) {
  if (const char* browser = std::getenv("LUMIVOR_BROWSER"); browser != nullptr && *browser != '\0') {
    if (!environment.empty()) throw std::logic_error("a page in a browser takes no environment");
    return std::make_unique<BrowserProgramSession>();
  }
  return std::make_unique<XProgramSession>(environment);
}

}  // namespace

ProgramWindow::ProgramWindow(const EnvironmentOverrides& environment)
    : ProgramWindow(startSession(environment)) {}

ProgramWindow::ProgramWindow(std::unique_ptr<ProgramSession> session) : session_(std::move(session)) {
  captureSettled();
}

QImage ProgramWindow::captureWhen(const std::function<bool(const QImage&)>& check,
                                  std::chrono::milliseconds timeout,
                                  std::chrono::milliseconds interval) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  QImage image = capture();
  while (!check(image) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(interval);
    image = capture();
  }
  return image;
}

QImage ProgramWindow::captureSettled(const std::function<bool(const QImage&)>& check,
                                     std::chrono::milliseconds timeout,
                                     std::chrono::milliseconds interval) const {
  const auto stillFor = std::max(interval, settleTime());
  QImage previous = capture();
  auto lastChange = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(interval);
  return captureWhen(
      [&](const QImage& image) {
        const auto now = std::chrono::steady_clock::now();
        if (image != previous) {
          previous = image;
          lastChange = now;
          return false;
        }
        return now - lastChange >= stillFor && !isBlank(image) && (!check || check(image));
      },
      timeout + stillFor, interval);
}

std::vector<QImage> ProgramWindow::captureFor(std::chrono::milliseconds duration) const {
  const auto end = std::chrono::steady_clock::now() + duration;
  std::vector<QImage> captures;
  while (std::chrono::steady_clock::now() < end) captures.push_back(capture());
  return captures;
}

std::string ProgramWindow::property(const std::string& name) const {
  return session<XProgramSession>().property(name);
}

QRect ProgramWindow::clientOnScreen() const { return session<XProgramSession>().clientOnScreen(); }

QRect ProgramWindow::frameOnScreen() const { return session<XProgramSession>().frameOnScreen(); }

void ProgramWindow::clickCloseBox() const { session<XProgramSession>().clickCloseBox(); }

std::optional<int> ProgramWindow::waitForExit(std::chrono::milliseconds timeout) {
  return session<XProgramSession>().waitForExit(timeout);
}

}  // namespace e2e
