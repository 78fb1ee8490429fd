#pragma once

#include "browser_driver.h"
#include "card_layout.h"
#include "program_session.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The web build's folder, LUMIVOR_WEB_ROOT; throws when it holds no build.
std::string webBuildFolder();

// How the page is opened.
struct PageOptions {
  QSize viewport = layout::kClientSize;  // CSS pixels
  double deviceScale = 1;                // device pixels to a CSS pixel
  bool phone = false;                    // a phone's touch screen, as a phone lays a page out
  std::string page = "index.html";       // under the web build's folder
  std::string file;                      // a file on disk to open instead, when not empty
  // The performance mark that the page sets when it first shows the program's window.
  std::string shownMark = "lumivor-shown";
};

// An element of the accessibility tree as the browser reports it.
struct AccessibleElement {
  std::string role;
  std::string name;
  std::optional<bool> checked;
  std::optional<bool> selected;
  bool focused = false;
};

struct ConsoleMessage {
  std::string type;  // the console's level, or pageerror, requestfailed, httperror, dialog
  std::string text;
};

// The web build (the folder LUMIVOR_WEB_ROOT) in a page of the browser LUMIVOR_BROWSER
// (chromium, firefox or webkit), served on the loopback and driven with the browser's own input.
// One layout unit is one CSS pixel; captures are in device pixels. Every session is a first visit
// in a browser profile of its own, in one browser that the test program's sessions share, one
// session at a time.
class BrowserProgramSession : public ProgramSession {
public:
  // Opens the page and waits until it marks its window shown.
  explicit BrowserProgramSession(const PageOptions& options = {});
  ~BrowserProgramSession() override;
  BrowserProgramSession(const BrowserProgramSession&) = delete;
  BrowserProgramSession& operator=(const BrowserProgramSession&) = delete;

  // The document's title.
  std::vector<std::pair<std::string, std::string>> captions() const override;
  // The CSS size of the canvas that shows the window.
  QSize clientSize() const override;
  // The canvas's size; input reaches the whole viewport.
  ClientArea clientArea() const override;
  QImage capture() const override;
  void moveTo(QPoint position) const override;
  void press(QPoint position, MouseButton button) const override;
  void release(MouseButton button) const override;
  void click(QPoint position, MouseButton button, int times) const override;
  void drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const override;
  void typeKeys(const std::string& chord) const override;
  // The viewport's size.
  void resize(QSize size) const override;
  // The page hidden behind another tab, or its window minimised, and back.
  void minimize() const override;
  void restore() const override;
  // The page answers.
  bool isRunning() override;
  // The page while it is visible, and every dialog it has opened (the driver dismisses them).
  std::vector<std::string> shownWindows() const override;
  std::string windowId() const override;

  double deviceScale() const { return options_.deviceScale; }
  // The fingers on the screen from now on: more than before puts the new ones down, as many moves
  // them, none lifts them all.
  void touch(const std::vector<QPoint>& fingers) const;
  // One finger from `from` to `to` in steps of about 20 ms over `duration`, then lifted.
  void swipeFinger(QPoint from, QPoint to, std::chrono::milliseconds duration) const;
  std::vector<AccessibleElement> accessibilityTree() const;
  // Every message since the page was opened.
  std::vector<ConsoleMessage> consoleMessages() const;
  // Waits until a service worker is active for the page, having kept what it keeps.
  void waitForServiceWorker() const;
  // Cuts the network to the page's server, or gives it back.
  void setOffline(bool offline) const;
  // Visits the page again, in the same profile, and waits until it marks its window shown.
  void reload() const;

private:
  QJsonObject call(QJsonObject command) const;

  BrowserDriver& driver_;
  PageOptions options_;
  mutable QSize viewport_;
  std::string capturePath_;
};

}  // namespace e2e
