#include "browser_driver.h"

#include <QJsonDocument>
#include <cerrno>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Launching a browser for the first time in a new profile takes Firefox some ten seconds here.
constexpr auto kStartTimeout = 90s;
constexpr auto kQuitTimeout = 15s;

std::string driverScript() {
  const char* path = std::getenv("LUMIVOR_WEB_DRIVER");
  if (path == nullptr || *path == '\0')
    throw std::runtime_error("LUMIVOR_WEB_DRIVER must name the browser driver's driver.js");
  return path;
}

}  // namespace

BrowserDriver::BrowserDriver(const std::string& browser, const std::string& root)
    : process_({"node", driverScript(), "--browser", browser, "--root", root}, {}, pipes_) {
  const QJsonObject ready = receive(kStartTimeout);
  if (!ready.value("ok").toBool())
    throw std::runtime_error("the browser driver did not start: " + ready.value("error").toString().toStdString());
}

BrowserDriver::~BrowserDriver() {
  try {
    send(QJsonObject{{"cmd", "quit"}});
  } catch (const std::exception&) {
    // A driver that takes no more commands has ended already; closing its input ends it too.
  }
  close(pipes_.toInput);
  process_.waitForExit(kQuitTimeout);
  close(pipes_.fromOutput);
}

void BrowserDriver::send(const QJsonObject& command) {
  std::string line = QJsonDocument(command).toJson(QJsonDocument::Compact).toStdString() + "\n";
  for (size_t written = 0; written < line.size();) {
    const ssize_t n = write(pipes_.toInput, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("the browser driver takes no more commands");
    written += static_cast<size_t>(n);
  }
}

QJsonObject BrowserDriver::receive(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  size_t end;
  while ((end = pending_.find('\n')) == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd readable{pipes_.fromOutput, POLLIN, 0};
    const int ready = left.count() > 0 ? poll(&readable, 1, static_cast<int>(left.count())) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) throw std::runtime_error("the browser driver did not answer within " + std::to_string(timeout.count()) + " ms");
    char buffer[65536];
    const ssize_t n = read(pipes_.fromOutput, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("the browser driver ended");
    pending_.append(buffer, static_cast<size_t>(n));
  }
  const std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  QJsonParseError error;
  const QJsonDocument answer = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
  if (!answer.isObject()) throw std::runtime_error("the browser driver answered: " + line);
  return answer.object();
}

QJsonObject BrowserDriver::call(const QJsonObject& command, std::chrono::milliseconds timeout) {
  send(command);
  QJsonObject answer = receive(timeout);
  if (!answer.value("ok").toBool())
    throw std::runtime_error(command.value("cmd").toString().toStdString() + ": " +
                             answer.value("error").toString().toStdString());
  return answer;
}

}  // namespace e2e
