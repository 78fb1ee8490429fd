#pragma once

// The services the toolkit needs from the system it runs on, and nothing more. Each backend
// (toolkit/platform/qt, toolkit/platform/win32, toolkit/platform/testing) implements them;
// the toolkit and the program above it see only this header.
//
// Units: one layout unit is one physical pixel. Rectangles are (left, top) to (right, bottom),
// in the window's client coordinates unless a comment says otherwise. Text is UTF-8.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/layout/geometry.h"

namespace toolkit::platform {

// An opaque colour, 0xRRGGBB.
struct Color {
  std::uint32_t rgb = 0;
  bool operator==(const Color&) const = default;
};

// ---------------------------------------------------------------------------------------------
// Drawing

// A decoded picture, ready to be drawn.
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

enum class TextAlign { Leading, Center };

// How a block of text is placed in its rectangle.
struct TextLayout {
  TextAlign horizontal = TextAlign::Center;
  TextAlign vertical = TextAlign::Center;
  bool wrap = false;  // at word boundaries, to the rectangle's width; never cut short
};

// Where the toolkit paints a window's client area. Every call draws through the current
// offset and inside the current clip. All shapes are anti-aliased where they are not aligned
// to whole pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A border of the given width drawn inside the rectangle's edges.
  virtual void FrameRect(const Rect& rect, Color color, int width) = 0;
  // The bitmap scaled smoothly into the whole-pixel target rectangle.
  virtual void DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) = 0;
  // Text in the platform font (Segoe UI where installed, else a comparable sans-serif, 12 px).
  virtual void DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) = 0;
  // The tick of a checked check box, drawn inside the box.
  virtual void DrawTick(const Rect& box, Color color) = 0;

  // Saves the offset and clip; Restore brings back the last saved pair.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  // Moves the origin by (dx, dy).
  virtual void Translate(int dx, int dy) = 0;
  // Narrows the clip to the rectangle, in current (translated) coordinates.
  virtual void ClipTo(const Rect& rect) = 0;
};

// ---------------------------------------------------------------------------------------------
// Input

enum class MouseButton { Left, Right, Middle };

enum class Key { Other, Enter, Space, Left, Right, Up, Down, Tab, Escape };

struct Modifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool operator==(const Modifiers&) const = default;
};

struct PointF {
  double x = 0;
  double y = 0;
  bool operator==(const PointF&) const = default;
};

enum class TouchPhase { Down, Move, Up, Cancel };

// ---------------------------------------------------------------------------------------------
// Accessibility: the toolkit keeps a tree of these nodes, and a backend mirrors it to the
// system's screen-reader interface.

enum class AccessibleRole { Window, PageTabList, PageTab, Pane, Graphic, StaticText, CheckBox, Button };

// What a screen reader's default action on a node does: exactly what a click on it does.
enum class AccessibleAction { None, Press, Toggle, Select };

class AccessibleNode {
 public:
  virtual ~AccessibleNode() = default;
  virtual AccessibleRole Role() const = 0;
  virtual std::string Name() const = 0;
  virtual Rect BoundsInWindow() const = 0;
  virtual bool IsFocusable() const = 0;
  virtual bool IsFocused() const = 0;
  virtual bool IsCheckable() const = 0;
  virtual bool IsChecked() const = 0;
  // The current one of a set, as a page's tab is while its page is shown.
  virtual bool IsSelected() const = 0;
  virtual AccessibleNode* AccessibleParent() const = 0;
  virtual int AccessibleChildCount() const = 0;
  virtual AccessibleNode* AccessibleChild(int index) const = 0;
  // Asks the control to take the keyboard focus, as a screen reader may.
  virtual void TakeFocus() = 0;
  virtual AccessibleAction DefaultAction() const = 0;
  // Does what a click on the node does; nothing for AccessibleAction::None.
  virtual void DoDefaultAction() = 0;
  // Words a reader adds after the name; for the check box, the answer it has revealed; empty when none.
  virtual std::string Description() const = 0;
};

// Selection: notified on the page tab that has become the selected one when the page changes.
// Description: notified on the node whose Description() changed.
enum class AccessibleChange { Structure, Name, State, Focus, Selection, Description };

// ---------------------------------------------------------------------------------------------
// Windows

// What a window tells the toolkit. All of it arrives on the GUI thread from the message loop.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  virtual void Paint(Canvas& canvas) = 0;
  virtual void Resized(int clientWidth, int clientHeight) = 0;

  virtual void PointerPressed(MouseButton button, PointF position) = 0;
  // The second press of a double click, in place of PointerPressed.
  virtual void PointerDoubleClicked(MouseButton button, PointF position) = 0;
  virtual void PointerMoved(PointF position) = 0;
  virtual void PointerReleased(MouseButton button, PointF position) = 0;
  // The pointer has left the client area (it is no longer over any control).
  virtual void PointerLeft() = 0;
  // The system took the pointer away from the window, as it does in the middle of a press when
  // a dialog or another program comes to the front, the secure desktop of Ctrl+Alt+Del or an
  // elevation prompt opens, or a browser cancels the pointer. The press under way, if any, gets
  // no release, or a later one that belongs to no press; the window's capture has gone already.
  // Never raised for the window's own release of the capture.
  virtual void PointerCaptureLost() = 0;

  // One touch point, with an id that stays the same from Down to Up or Cancel.
  virtual void Touch(TouchPhase phase, int id, PointF position) = 0;

  virtual void KeyDown(Key key, Modifiers modifiers) = 0;
  // A character typed on the keyboard (after the key's own KeyDown).
  virtual void CharTyped(char32_t character, Modifiers modifiers) = 0;

  virtual void ActiveChanged(bool active) = 0;
  // The close box, Alt+F4 or Close in the system menu.
  virtual void CloseRequested() = 0;

  // The root of the window's accessibility tree.
  virtual AccessibleNode* AccessibleRoot() = 0;
};

// A top-level window. It is created hidden; the window system chooses its place.
class Window {
 public:
  virtual ~Window() = default;

  virtual void SetCaption(std::string_view caption) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // Shows the window, normal and active, at the window system's default place.
  virtual void Show() = 0;
  virtual bool IsVisible() const = 0;
  // Asks for the whole client area to be painted again soon.
  virtual void Invalidate() = 0;
  // Paints whatever is invalid now, before returning.
  virtual void Update() = 0;
  // While captured, the pointer's moves and release reach this window wherever the pointer is.
  virtual void SetPointerCapture(bool captured) = 0;

  virtual void NotifyAccessibility(AccessibleNode& node, AccessibleChange change) = 0;
};

// A repeating timer on the GUI thread; it stops when destroyed.
class Timer {
 public:
  virtual ~Timer() = default;
};

struct SystemVersion {
  bool windows = false;
  int major = 0;
  int minor = 0;
};

// The services of one platform. Exactly one exists while the application runs.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual std::unique_ptr<Window> CreateWindow(WindowEvents& events) = 0;

  // Runs the message loop until Quit; returns the code Quit was given.
  virtual int RunLoop() = 0;
  // Ends RunLoop once the current message has been handled.
  virtual void Quit(int exitCode) = 0;
  // Dispatches pending messages over and over, yielding the processor between rounds,
  // until the condition holds.
  virtual void ProcessMessagesUntil(const std::function<bool()>& done) = 0;
  // Dispatches the messages pending now, once.
  virtual void ProcessPendingMessages() = 0;

  virtual std::unique_ptr<Timer> StartTimer(int intervalMs, std::function<void()> onTick) = 0;
  // Seconds from a fixed moment, from a high-resolution clock.
  virtual double Now() const = 0;

  // Decodes a PNG stream of 8 bits per channel with alpha; throws std::runtime_error when the
  // bytes are no such picture. The bytes outlive the bitmap.
  virtual std::unique_ptr<Bitmap> DecodePng(std::span<const std::uint8_t> png) = 0;

  // An error message box with the text and an OK button; returns once it is closed.
  virtual void ShowError(std::string_view text) = 0;

  // The version of the system the program really runs on.
  virtual SystemVersion Version() const = 0;
};

// One image of the program's icon MAINICON.
struct IconImage {
  int size = 0;  // width and height in pixels
  std::span<const std::uint8_t> png;
};
// The icon's images, built into the program by its icon library; a backend whose system
// does not take the icon from the executable's resources gives them to each window.
std::span<const IconImage> MainIconImages();

// Made by the backend linked into the program; called once, by the application object.
std::unique_ptr<Platform> CreatePlatform();

}  // namespace toolkit::platform
