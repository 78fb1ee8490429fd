#include "tests/platform_web/browser/browser_runner.h"

#include <emscripten.h>

#include <sstream>
#include <stdexcept>

#include "tests/platform_web/browser/page_values.h"

namespace {

EM_JS(int, lumivor_test_post, (const char* commands, int length), {
  return LumivorTests.post(UTF8ToString(commands, length));
});

// The length of the answers, stashed on the page; when a command failed, the length of the
// driver's word, less one and negated.
EM_ASYNC_JS(int, lumivor_test_await, (int id), {
  const reply = await LumivorTests.settled(id);
  if (reply.error !== undefined) return -LumivorTests.stash(reply.error) - 1;
  return LumivorTests.stash(JSON.stringify(reply.answers));
});

std::string Number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::string Point(toolkit::platform::PointF point) { return "[" + Number(point.x) + "," + Number(point.y) + "]"; }

}  // namespace

namespace browser_tests {

int Post(const DriverCommands& commands) {
  std::string list = "[";
  for (const std::string& command : commands) list += (list.size() > 1 ? "," : "") + command;
  list += "]";
  return lumivor_test_post(list.data(), static_cast<int>(list.size()));
}

std::string Await(int id) {
  const int length = lumivor_test_await(id);
  const bool failed = length < 0;
  const std::string reply = TakeStashed(failed ? -length - 1 : length);
  if (failed) throw std::runtime_error("the browser driver: " + reply);
  return reply;
}

std::string Perform(const DriverCommands& commands) { return Await(Post(commands)); }

std::string MouseMove(double x, double y) {
  return R"({"cmd":"mouse","action":"move","x":)" + Number(x) + R"(,"y":)" + Number(y) + "}";
}

std::string MouseDown(std::string_view button) {
  return R"({"cmd":"mouse","action":"down","button":)" + Quoted(button) + "}";
}

std::string MouseUp(std::string_view button, double x, double y) {
  return R"({"cmd":"mouse","action":"up","button":)" + Quoted(button) + R"(,"x":)" + Number(x) + R"(,"y":)" +
         Number(y) + "}";
}

std::string MouseUp(std::string_view button) {
  return R"({"cmd":"mouse","action":"up","button":)" + Quoted(button) + "}";
}

std::string Click(double x, double y, int count) {
  return R"({"cmd":"click","x":)" + Number(x) + R"(,"y":)" + Number(y) + R"(,"count":)" + Number(count) + "}";
}

std::string Drag(toolkit::platform::PointF from, toolkit::platform::PointF to, int durationMs,
                 std::string_view pointer) {
  return R"({"cmd":"drag","from":)" + Point(from) + R"(,"to":)" + Point(to) + R"(,"durationMs":)" + Number(durationMs) +
         R"(,"pointer":)" + Quoted(pointer) + "}";
}

std::string Touch(std::initializer_list<toolkit::platform::PointF> fingers) {
  std::string points = "[";
  for (const toolkit::platform::PointF finger : fingers) points += (points.size() > 1 ? "," : "") + Point(finger);
  return R"({"cmd":"touch","points":)" + points + "]}";
}

std::string Key(std::string_view key, std::initializer_list<std::string_view> modifiers) {
  std::string held = "[";
  for (const std::string_view modifier : modifiers) held += (held.size() > 1 ? "," : "") + Quoted(modifier);
  return R"({"cmd":"key","key":)" + Quoted(key) + R"(,"modifiers":)" + held + "]}";
}

std::string Resize(int width, int height) {
  return R"({"cmd":"resize","width":)" + Number(width) + R"(,"height":)" + Number(height) + "}";
}

std::string Visibility(bool hidden) {
  return std::string(R"({"cmd":"visibility","hidden":)") + (hidden ? "true" : "false") + "}";
}

std::string Dialogs() { return R"({"cmd":"dialogs"})"; }

std::string AccessibilityTree() { return R"({"cmd":"accessibility"})"; }

}  // namespace browser_tests
