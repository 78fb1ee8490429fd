#pragma once

#include "process.h"

#include <QJsonObject>
#include <chrono>
#include <string>

namespace e2e {

// The browser driver of tests/web/driver (LUMIVOR_WEB_DRIVER names its driver.js), running
// `browser` over the folder `root`, which it serves on the loopback: commands go to it one JSON
// object a line, and each answer comes back as one.
class BrowserDriver {
public:
  BrowserDriver(const std::string& browser, const std::string& root);
  // Tells the driver to close the browser and end, so that no browser outlives the tests.
  ~BrowserDriver();
  BrowserDriver(const BrowserDriver&) = delete;
  BrowserDriver& operator=(const BrowserDriver&) = delete;

  // Sends the command and returns its answer; throws with the driver's own word when it fails.
  QJsonObject call(const QJsonObject& command, std::chrono::milliseconds timeout = std::chrono::seconds(60));

private:
  void send(const QJsonObject& command);
  QJsonObject receive(std::chrono::milliseconds timeout);

  StandardPipes pipes_;
  ChildProcess process_;
  std::string pending_;  // read from the driver, past the last whole line
};

}  // namespace e2e
