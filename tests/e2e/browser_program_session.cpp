#include "browser_program_session.h"

#include <QJsonArray>
#include <QJsonValue>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kOpenTimeout = 60s;
constexpr const char* kPageId = "page";

std::string environmentValue(const char* name, const char* meaning) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') throw std::runtime_error(std::string(name) + " must name " + meaning);
  return value;
}

}  // namespace

std::string webBuildFolder() {
  const std::string root = environmentValue("LUMIVOR_WEB_ROOT", "the web build's folder");
  if (!std::filesystem::exists(std::filesystem::path(root) / "index.html"))
    throw std::runtime_error("the web build is missing: no index.html in " + root + " (`make web` builds it)");
  return root;
}

namespace {

// The one driver of the test program, started with the first session and ended with the program.
BrowserDriver& sharedDriver() {
  static const std::unique_ptr<BrowserDriver> driver = [] {
    // A driver that ends while a command is on its way must fail that command, not end the tests.
    std::signal(SIGPIPE, SIG_IGN);
    return std::make_unique<BrowserDriver>(environmentValue("LUMIVOR_BROWSER", "a browser"), webBuildFolder());
  }();
  return *driver;
}

int openSessions = 0;

QJsonArray point(QPoint p) { return {p.x(), p.y()}; }

// The browser's names of the keys and modifiers of xdotool's chords.
const std::map<std::string, std::string> kKeyNames = {
    {"space", " "},        {"Return", "Enter"}, {"Tab", "Tab"},      {"Left", "ArrowLeft"},
    {"Right", "ArrowRight"}, {"Up", "ArrowUp"}, {"Down", "ArrowDown"}, {"Escape", "Escape"},
    {"F4", "F4"},
};
const std::map<std::string, std::string> kModifierNames = {
    {"ctrl", "Control"}, {"shift", "Shift"}, {"alt", "Alt"}};

std::string browserName(const std::map<std::string, std::string>& names, const std::string& key,
                        const std::string& chord) {
  const auto found = names.find(key);
  if (found == names.end()) throw std::invalid_argument("no browser key for \"" + key + "\" in \"" + chord + "\"");
  return found->second;
}

QJsonObject keyCommand(const std::string& chord) {
  QJsonArray modifiers;
  std::string rest = chord;
  for (size_t plus; (plus = rest.find('+')) != std::string::npos; rest.erase(0, plus + 1))
    modifiers.append(QString::fromStdString(browserName(kModifierNames, rest.substr(0, plus), chord)));
  return {{"cmd", "key"},
          {"key", QString::fromStdString(browserName(kKeyNames, rest, chord))},
          {"modifiers", modifiers}};
}

std::optional<bool> optionalBool(const QJsonValue& value) {
  if (value.isBool()) return value.toBool();
  return std::nullopt;
}

std::string capturePathFor(const void* session) {
  return (std::filesystem::temp_directory_path() /
          ("e2e-browser-" + std::to_string(getpid()) + "-" +
           std::to_string(reinterpret_cast<std::uintptr_t>(session)) + ".png"))
      .string();
}

}  // namespace

BrowserProgramSession::BrowserProgramSession(const PageOptions& options)
    : driver_(sharedDriver()), options_(options), viewport_(options.viewport), capturePath_(capturePathFor(this)) {
  if (openSessions > 0) throw std::logic_error("the browser shows one session at a time");
  QJsonObject open{{"cmd", "open"},
                   {"width", viewport_.width()},
                   {"height", viewport_.height()},
                   {"scale", options.deviceScale},
                   {"mobile", options.phone},
                   {"mark", QString::fromStdString(options.shownMark)},
                   {"timeoutMs", static_cast<int>(std::chrono::milliseconds(kOpenTimeout).count())}};
  if (options.file.empty()) open["path"] = QString::fromStdString(options.page);
  else open["file"] = QString::fromStdString(options.file);
  driver_.call(open, kOpenTimeout + 10s);
  ++openSessions;
}

BrowserProgramSession::~BrowserProgramSession() {
  --openSessions;
  std::filesystem::remove(capturePath_);
}

QJsonObject BrowserProgramSession::call(QJsonObject command) const { return driver_.call(command); }

std::vector<std::pair<std::string, std::string>> BrowserProgramSession::captions() const {
  const auto title = call({{"cmd", "evaluate"}, {"expression", "document.title"}}).value("value");
  return {{"document.title", title.toString().toStdString()}};
}

QSize BrowserProgramSession::clientSize() const {
  const QJsonValue box = call({{"cmd", "windowBox"}}).value("box");
  if (!box.isObject()) throw std::runtime_error("the page shows no canvas");
  return {qRound(box["width"].toDouble()), qRound(box["height"].toDouble())};
}

ProgramSession::ClientArea BrowserProgramSession::clientArea() const {
  return {clientSize(), {QPoint(0, 0), viewport_}};
}

QImage BrowserProgramSession::capture() const {
  call({{"cmd", "screenshot"}, {"file", QString::fromStdString(capturePath_)}});
  QImage shot(QString::fromStdString(capturePath_), "PNG");
  if (shot.isNull()) throw std::runtime_error("the browser's screenshot is no PNG");
  return shot.convertToFormat(QImage::Format_RGB32);
}

void BrowserProgramSession::moveTo(QPoint position) const {
  call({{"cmd", "mouse"}, {"action", "move"}, {"x", position.x()}, {"y", position.y()}});
}

void BrowserProgramSession::press(QPoint position, MouseButton button) const {
  call({{"cmd", "mouse"}, {"action", "down"}, {"x", position.x()}, {"y", position.y()}, {"button", nameOf(button)}});
}

void BrowserProgramSession::release(MouseButton button) const {
  call({{"cmd", "mouse"}, {"action", "up"}, {"button", nameOf(button)}});
}

void BrowserProgramSession::click(QPoint position, MouseButton button, int times) const {
  call({{"cmd", "click"}, {"x", position.x()}, {"y", position.y()}, {"button", nameOf(button)}, {"count", times}});
}

void BrowserProgramSession::drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const {
  call({{"cmd", "drag"}, {"from", point(from)}, {"to", point(to)}, {"durationMs", static_cast<int>(duration.count())}});
}

void BrowserProgramSession::swipeFinger(QPoint from, QPoint to, std::chrono::milliseconds duration) const {
  call({{"cmd", "drag"}, {"from", point(from)}, {"to", point(to)},
        {"durationMs", static_cast<int>(duration.count())}, {"pointer", "touch"}});
}

void BrowserProgramSession::touch(const std::vector<QPoint>& fingers) const {
  QJsonArray points;
  for (const QPoint& finger : fingers) points.append(point(finger));
  call({{"cmd", "touch"}, {"points", points}});
}

void BrowserProgramSession::typeKeys(const std::string& chord) const { call(keyCommand(chord)); }

void BrowserProgramSession::resize(QSize size) const {
  call({{"cmd", "resize"}, {"width", size.width()}, {"height", size.height()}});
  viewport_ = size;
}

void BrowserProgramSession::minimize() const { call({{"cmd", "visibility"}, {"hidden", true}}); }

void BrowserProgramSession::restore() const { call({{"cmd", "visibility"}, {"hidden", false}}); }

bool BrowserProgramSession::isRunning() {
  try {
    return call({{"cmd", "alive"}}).value("alive").toBool();
  } catch (const std::exception&) {
    return false;
  }
}

std::vector<std::string> BrowserProgramSession::shownWindows() const {
  std::vector<std::string> windows;
  const auto state = call({{"cmd", "evaluate"}, {"expression", "document.visibilityState"}}).value("value");
  if (state.toString() == "visible") windows.push_back(kPageId);
  for (const QJsonValue text : call({{"cmd", "dialogs"}}).value("texts").toArray())
    windows.push_back("dialog: " + text.toString().toStdString());
  return windows;
}

std::string BrowserProgramSession::windowId() const { return kPageId; }

std::vector<AccessibleElement> BrowserProgramSession::accessibilityTree() const {
  std::vector<AccessibleElement> elements;
  for (const QJsonValue node : call({{"cmd", "accessibility"}}).value("nodes").toArray())
    elements.push_back({node["role"].toString().toStdString(), node["name"].toString().toStdString(),
                        optionalBool(node["checked"]), optionalBool(node["selected"]), node["focused"].toBool()});
  return elements;
}

std::vector<ConsoleMessage> BrowserProgramSession::consoleMessages() const {
  std::vector<ConsoleMessage> messages;
  for (const QJsonValue message : call({{"cmd", "console"}}).value("messages").toArray())
    messages.push_back({message["type"].toString().toStdString(), message["text"].toString().toStdString()});
  return messages;
}

void BrowserProgramSession::waitForServiceWorker() const {
  const auto active = call({{"cmd", "evaluate"},
                            {"expression", "navigator.serviceWorker.ready.then(registration => !!registration.active)"}});
  if (!active.value("value").toBool()) throw std::runtime_error("the page has no active service worker");
}

void BrowserProgramSession::setOffline(bool offline) const { call({{"cmd", "offline"}, {"offline", offline}}); }

void BrowserProgramSession::reload() const {
  driver_.call({{"cmd", "reload"},
                {"mark", QString::fromStdString(options_.shownMark)},
                {"timeoutMs", static_cast<int>(std::chrono::milliseconds(kOpenTimeout).count())}},
               kOpenTimeout + 10s);
}

}  // namespace e2e
