// The toolkit's accessibility tree as screen readers see it through MSAA: roles, names,
// states and places, hit testing, focus, navigation, events, and nodes that go away.
#include <gtest/gtest.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/handler_errors.h"

namespace lumivor::win32_tests {
namespace {

using Microsoft::WRL::ComPtr;
using toolkit::Rect;
using toolkit::platform::AccessibleAction;
using toolkit::platform::AccessibleChange;
using toolkit::platform::AccessibleNode;
using toolkit::platform::AccessibleRole;

class FakeNode : public AccessibleNode {
 public:
  FakeNode(AccessibleRole role, std::string name, Rect bounds, FakeNode* parent = nullptr)
      : role_(role), name_(std::move(name)), bounds_(bounds), parent_(parent) {}

  FakeNode& Add(AccessibleRole role, std::string name, Rect bounds) {
    children.push_back(std::make_unique<FakeNode>(role, std::move(name), bounds, this));
    return *children.back();
  }

  AccessibleRole Role() const override { return role_; }
  std::string Name() const override {
    if (nameError) std::rethrow_exception(nameError);
    return name_;
  }
  Rect BoundsInWindow() const override { return bounds_; }
  bool IsFocusable() const override { return focusable; }
  bool IsFocused() const override { return focused; }
  bool IsCheckable() const override { return checkable; }
  bool IsChecked() const override { return checked; }
  bool IsSelected() const override { return selected; }
  AccessibleNode* AccessibleParent() const override { return parent_; }
  int AccessibleChildCount() const override { return static_cast<int>(children.size()); }
  AccessibleNode* AccessibleChild(int index) const override { return children.at(static_cast<std::size_t>(index)).get(); }
  void TakeFocus() override { ++focusRequests; }
  AccessibleAction DefaultAction() const override { return action; }
  // What a click does, as far as a screen reader sees it.
  void DoDefaultAction() override {
    ++defaultActions;
    if (action == AccessibleAction::Toggle) checked = !checked;
  }
  std::string Description() const override { return description; }

  bool focusable = false;
  bool focused = false;
  bool checkable = false;
  bool checked = false;
  bool selected = false;
  int focusRequests = 0;
  AccessibleAction action = AccessibleAction::None;
  std::string description;
  int defaultActions = 0;
  // What Name() throws, if anything.
  std::exception_ptr nameError;
  std::vector<std::unique_ptr<FakeNode>> children;

 private:
  AccessibleRole role_;
  std::string name_;
  Rect bounds_;
  FakeNode* parent_;
};

VARIANT Child(LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

const VARIANT kSelf = Child(CHILDID_SELF);

ComPtr<IAccessible> AsAccessible(IDispatch* object) {
  ComPtr<IAccessible> accessible;
  if (object) object->QueryInterface(IID_PPV_ARGS(&accessible));
  return accessible;
}

// Takes the object out of a VARIANT answer.
ComPtr<IAccessible> AsAccessible(VARIANT& answer) {
  ComPtr<IAccessible> accessible;
  if (answer.vt == VT_DISPATCH) accessible = AsAccessible(answer.pdispVal);
  VariantClear(&answer);
  return accessible;
}

// A text property of the object itself; "" when it has none.
std::wstring TextOf(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
  BSTR answer = nullptr;
  if (!object || FAILED((object->*property)(kSelf, &answer)) || !answer) return L"";
  std::wstring text(answer, SysStringLen(answer));
  SysFreeString(answer);
  return text;
}

std::wstring NameOf(IAccessible* object) { return TextOf(object, &IAccessible::get_accName); }

LONG RoleOf(IAccessible* object) {
  VARIANT role;
  VariantInit(&role);
  if (!object || FAILED(object->get_accRole(kSelf, &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

LONG StateOf(IAccessible* object) {
  VARIANT state;
  VariantInit(&state);
  if (!object || FAILED(object->get_accState(kSelf, &state)) || state.vt != VT_I4) return -1;
  return state.lVal;
}

ComPtr<IAccessible> ChildOf(IAccessible* object, LONG position) {
  ComPtr<IDispatch> child;
  if (!object || FAILED(object->get_accChild(Child(position), &child))) return nullptr;
  return AsAccessible(child.Get());
}

class Accessibility : public testing::Test {
 protected:
  void SetUp() override {
    FakeNode& pages = root_.Add(AccessibleRole::PageTabList, "", Rect{0, 0, 300, 200});
    FakeNode& current = pages.Add(AccessibleRole::PageTab, "1", Rect{3, 180, 11, 188});
    current.focusable = current.selected = true;
    current.action = AccessibleAction::Select;
    FakeNode& other = pages.Add(AccessibleRole::PageTab, "2", Rect{13, 180, 21, 188});
    other.focusable = true;
    other.action = AccessibleAction::Select;
    FakeNode& strip = root_.Add(AccessibleRole::Pane, "", Rect{0, 100, 300, 124});
    FakeNode& checkBox = strip.Add(AccessibleRole::CheckBox, "Правильный ответ", Rect{0, 100, 137, 124});
    checkBox.focusable = checkBox.checkable = checkBox.checked = checkBox.focused = true;
    checkBox.action = AccessibleAction::Toggle;
    checkBox.description = "Zaze";
    FakeNode& button = strip.Add(AccessibleRole::Button, "Следующий", Rect{137, 100, 217, 124});
    button.focusable = true;
    button.action = AccessibleAction::Press;

    events_.accessibleRoot = &root_;
    window_ = TestPlatform().CreateWindow(events_);
    window_->SetClientSize(300, 200);
    window_->Show();
    TestPlatform().ProcessPendingMessages();
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(Handle(), OBJID_CLIENT, IID_PPV_ARGS(&client_)));
  }

  HWND Handle() { return AsWin32(*window_).Handle(); }
  FakeNode& PageTab(int index) { return *root_.children[0]->children[static_cast<std::size_t>(index)]; }
  FakeNode& CheckBox() { return *root_.children[1]->children[0]; }
  FakeNode& Button() { return *root_.children[1]->children[1]; }

  POINT OnScreen(int x, int y) {
    POINT point{x, y};
    ClientToScreen(Handle(), &point);
    return point;
  }

  FakeNode root_{AccessibleRole::Window, "Тарвель. Zaze", Rect{0, 0, 300, 200}};
  RecordingEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_;
  ComPtr<IAccessible> client_;
};

TEST_F(Accessibility, TheClientAreaIsTheTreesRootWithItsChildrenInOrder) {
  EXPECT_EQ(RoleOf(client_.Get()), ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(NameOf(client_.Get()), L"Тарвель. Zaze");
  LONG count = 0;
  ASSERT_HRESULT_SUCCEEDED(client_->get_accChildCount(&count));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(RoleOf(ChildOf(client_.Get(), 1).Get()), ROLE_SYSTEM_PAGETABLIST);
  EXPECT_EQ(RoleOf(ChildOf(client_.Get(), 2).Get()), ROLE_SYSTEM_PANE);
  EXPECT_EQ(ChildOf(client_.Get(), 3), nullptr);

  // Above the root: the window's frame, as Windows presents it, which names the window.
  ComPtr<IDispatch> frame;
  ASSERT_HRESULT_SUCCEEDED(client_->get_accParent(&frame));
  HWND window = nullptr;
  ASSERT_HRESULT_SUCCEEDED(WindowFromAccessibleObject(AsAccessible(frame.Get()).Get(), &window));
  EXPECT_EQ(window, Handle());
}

struct ControlCase {
  const char* name;
  std::vector<LONG> path;  // child positions from the root, from 1
  LONG role;
  std::wstring accessibleName;
  LONG state;
  Rect bounds;
  std::wstring defaultAction;
  std::wstring description;
};

const ControlCase kControls[] = {
    {"PageTab", {1, 1}, ROLE_SYSTEM_PAGETAB, L"1",
     STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, Rect{3, 180, 11, 188}, L"Switch", L""},
    {"OtherPageTab", {1, 2}, ROLE_SYSTEM_PAGETAB, L"2", STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE,
     Rect{13, 180, 21, 188}, L"Switch", L""},
    {"CheckBox", {2, 1}, ROLE_SYSTEM_CHECKBUTTON, L"Правильный ответ",
     STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED, Rect{0, 100, 137, 124}, L"Uncheck", L"Zaze"},
    {"Button", {2, 2}, ROLE_SYSTEM_PUSHBUTTON, L"Следующий", STATE_SYSTEM_FOCUSABLE, Rect{137, 100, 217, 124},
     L"Press", L""},
    {"PageTabList", {1}, ROLE_SYSTEM_PAGETABLIST, L"", 0, Rect{0, 0, 300, 200}, L"", L""},
};

class AccessibleControls : public Accessibility, public testing::WithParamInterface<ControlCase> {};

TEST_P(AccessibleControls, TellTheirRoleNameStateActionDescriptionAndPlaceOnTheScreen) {
  SetFocus(Handle());
  ComPtr<IAccessible> object = client_;
  for (LONG position : GetParam().path) object = ChildOf(object.Get(), position);
  ASSERT_NE(object, nullptr);

  EXPECT_EQ(RoleOf(object.Get()), GetParam().role);
  EXPECT_EQ(NameOf(object.Get()), GetParam().accessibleName);
  EXPECT_EQ(StateOf(object.Get()), GetParam().state);
  EXPECT_EQ(TextOf(object.Get(), &IAccessible::get_accDefaultAction), GetParam().defaultAction);
  EXPECT_EQ(TextOf(object.Get(), &IAccessible::get_accDescription), GetParam().description);
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_HRESULT_SUCCEEDED(object->accLocation(&left, &top, &width, &height, kSelf));
  const POINT corner = OnScreen(GetParam().bounds.left, GetParam().bounds.top);
  EXPECT_EQ(left, corner.x);
  EXPECT_EQ(top, corner.y);
  EXPECT_EQ(width, GetParam().bounds.Width());
  EXPECT_EQ(height, GetParam().bounds.Height());
  // Its window is found through its parents, as a screen reader finds it.
  HWND window = nullptr;
  ASSERT_HRESULT_SUCCEEDED(WindowFromAccessibleObject(object.Get(), &window));
  EXPECT_EQ(window, Handle());
  // Its parent knows it as the child at its position.
  ComPtr<IDispatch> parent;
  ASSERT_HRESULT_SUCCEEDED(object->get_accParent(&parent));
  EXPECT_EQ(NameOf(ChildOf(AsAccessible(parent.Get()).Get(), GetParam().path.back()).Get()),
            GetParam().accessibleName);
}

INSTANTIATE_TEST_SUITE_P(Controls, AccessibleControls, testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Accessibility, HitTestingFindsTheDeepestControlUnderAScreenPoint) {
  VARIANT found;
  const POINT onButton = OnScreen(177, 112);
  ASSERT_EQ(client_->accHitTest(onButton.x, onButton.y, &found), S_OK);
  EXPECT_EQ(NameOf(AsAccessible(found).Get()), L"Следующий");

  const POINT onPageArea = OnScreen(150, 50);
  ASSERT_EQ(client_->accHitTest(onPageArea.x, onPageArea.y, &found), S_OK);
  EXPECT_EQ(RoleOf(AsAccessible(found).Get()), ROLE_SYSTEM_PAGETABLIST);

  const POINT outside = OnScreen(310, 50);
  EXPECT_EQ(client_->accHitTest(outside.x, outside.y, &found), S_FALSE);
  EXPECT_EQ(found.vt, VT_EMPTY);
}

TEST_F(Accessibility, TheFocusedControlIsFoundAndNeighboursAreReachable) {
  VARIANT focused;
  ASSERT_EQ(client_->get_accFocus(&focused), S_OK);
  ComPtr<IAccessible> checkBox = AsAccessible(focused);
  EXPECT_EQ(NameOf(checkBox.Get()), L"Правильный ответ");

  VARIANT next;
  ASSERT_EQ(checkBox->accNavigate(NAVDIR_NEXT, kSelf, &next), S_OK);
  EXPECT_EQ(NameOf(AsAccessible(next).Get()), L"Следующий");
  VARIANT previous;
  EXPECT_EQ(checkBox->accNavigate(NAVDIR_PREVIOUS, kSelf, &previous), S_FALSE);
  VARIANT first;
  ASSERT_EQ(client_->accNavigate(NAVDIR_FIRSTCHILD, kSelf, &first), S_OK);
  EXPECT_EQ(RoleOf(AsAccessible(first).Get()), ROLE_SYSTEM_PAGETABLIST);
  VARIANT last;
  ASSERT_EQ(client_->accNavigate(NAVDIR_LASTCHILD, kSelf, &last), S_OK);
  EXPECT_EQ(RoleOf(AsAccessible(last).Get()), ROLE_SYSTEM_PANE);
}

TEST_F(Accessibility, AScreenReaderCanMoveTheKeyboardFocus) {
  ComPtr<IAccessible> button = ChildOf(ChildOf(client_.Get(), 2).Get(), 2);
  ASSERT_HRESULT_SUCCEEDED(button->accSelect(SELFLAG_TAKEFOCUS, kSelf));
  EXPECT_EQ(Button().focusRequests, 1);
  EXPECT_EQ(CheckBox().focusRequests, 0);
}

struct ActionCase {
  const char* name;
  std::vector<LONG> path;  // child positions from the root, from 1
  HRESULT answer;
};

const ActionCase kActions[] = {
    {"PageTab", {1, 2}, S_OK},
    {"CheckBox", {2, 1}, S_OK},
    {"Button", {2, 2}, S_OK},
    // A control that a click does nothing to has no action to do.
    {"PageTabList", {1}, DISP_E_MEMBERNOTFOUND},
};

class AccessibleActions : public Accessibility, public testing::WithParamInterface<ActionCase> {
 protected:
  FakeNode& Node() {
    FakeNode* node = &root_;
    for (LONG position : GetParam().path) node = node->children[static_cast<std::size_t>(position - 1)].get();
    return *node;
  }
};

TEST_P(AccessibleActions, DoWhatAClickDoesWhereThereIsOne) {
  ComPtr<IAccessible> object = client_;
  for (LONG position : GetParam().path) object = ChildOf(object.Get(), position);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->accDoDefaultAction(kSelf), GetParam().answer);
  EXPECT_EQ(Node().defaultActions, GetParam().answer == S_OK ? 1 : 0);
  // Named as its parent's child, as a client may name it.
  ComPtr<IDispatch> parent;
  ASSERT_HRESULT_SUCCEEDED(object->get_accParent(&parent));
  EXPECT_EQ(AsAccessible(parent.Get())->accDoDefaultAction(Child(GetParam().path.back())), GetParam().answer);
  EXPECT_EQ(Node().defaultActions, GetParam().answer == S_OK ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, AccessibleActions, testing::ValuesIn(kActions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Accessibility, TheCheckBoxsActionSaysWhatItWillDo) {
  ComPtr<IAccessible> checkBox = ChildOf(ChildOf(client_.Get(), 2).Get(), 1);
  EXPECT_EQ(TextOf(checkBox.Get(), &IAccessible::get_accDefaultAction), L"Uncheck");
  ASSERT_EQ(checkBox->accDoDefaultAction(kSelf), S_OK);
  EXPECT_FALSE(CheckBox().checked);
  EXPECT_EQ(TextOf(checkBox.Get(), &IAccessible::get_accDefaultAction), L"Check");
  EXPECT_EQ(StateOf(checkBox.Get()) & STATE_SYSTEM_CHECKED, 0);
}

TEST_F(Accessibility, ChoosingAPageTabAsASelectionChoosesItsPage) {
  ComPtr<IAccessible> pages = ChildOf(client_.Get(), 1);
  EXPECT_EQ(pages->accSelect(SELFLAG_TAKESELECTION, Child(2)), S_OK);
  EXPECT_EQ(PageTab(1).defaultActions, 1);
  EXPECT_EQ(PageTab(1).focusRequests, 0);
  EXPECT_EQ(pages->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Child(2)), S_OK);
  EXPECT_EQ(PageTab(1).defaultActions, 2);
  EXPECT_EQ(PageTab(1).focusRequests, 1);
  // One page is current at a time: none can be added to it or taken away.
  EXPECT_EQ(pages->accSelect(SELFLAG_ADDSELECTION, Child(1)), E_INVALIDARG);
  EXPECT_EQ(pages->accSelect(SELFLAG_REMOVESELECTION, Child(1)), E_INVALIDARG);
  EXPECT_EQ(PageTab(0).defaultActions, 0);
  // Nothing else is chosen that way.
  ComPtr<IAccessible> strip = ChildOf(client_.Get(), 2);
  EXPECT_EQ(strip->accSelect(SELFLAG_TAKESELECTION, Child(2)), S_FALSE);
  EXPECT_EQ(Button().defaultActions, 0);
}

// Where a screen reader is told the keyboard focus is, as the window and its controls have it.
struct FocusCase {
  const char* name;
  bool windowHasFocus;
  bool checkBoxHasFocus;
  HRESULT answer;
  VARTYPE type;             // of the answer
  std::wstring focusedName;  // of the object answered
  LONG clientState;
  LONG checkBoxState;
};

const LONG kCheckBoxState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED;

const FocusCase kFocusCases[] = {
    {"InAControl", true, true, S_OK, VT_DISPATCH, L"Правильный ответ", STATE_SYSTEM_FOCUSABLE,
     kCheckBoxState | STATE_SYSTEM_FOCUSED},
    // The window itself has it: the client area is what has the focus.
    {"InTheWindowAlone", true, false, S_OK, VT_I4, L"Тарвель. Zaze", STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
     kCheckBoxState},
    // Another window has it: the control the window would give it to is not focused now.
    {"Elsewhere", false, true, S_FALSE, VT_EMPTY, L"", STATE_SYSTEM_FOCUSABLE, kCheckBoxState},
    {"ElsewhereAndInNoControl", false, false, S_FALSE, VT_EMPTY, L"", STATE_SYSTEM_FOCUSABLE, kCheckBoxState},
};

class AccessibleFocus : public Accessibility, public testing::WithParamInterface<FocusCase> {};

TEST_P(AccessibleFocus, IsWhereTheKeyboardFocusIs) {
  CheckBox().focused = GetParam().checkBoxHasFocus;
  SetFocus(GetParam().windowHasFocus ? Handle() : nullptr);
  ASSERT_EQ(GetFocus() == Handle(), GetParam().windowHasFocus);

  VARIANT focused;
  ASSERT_EQ(client_->get_accFocus(&focused), GetParam().answer);
  ASSERT_EQ(focused.vt, GetParam().type);
  if (focused.vt == VT_I4) {
    EXPECT_EQ(focused.lVal, CHILDID_SELF);
    EXPECT_EQ(NameOf(client_.Get()), GetParam().focusedName);
  } else if (focused.vt == VT_DISPATCH) {
    EXPECT_EQ(NameOf(AsAccessible(focused).Get()), GetParam().focusedName);
  }
  EXPECT_EQ(StateOf(client_.Get()), GetParam().clientState);
  ComPtr<IAccessible> checkBox = ChildOf(ChildOf(client_.Get(), 2).Get(), 1);
  EXPECT_EQ(StateOf(checkBox.Get()), GetParam().checkBoxState);
  // A part of the tree without the focus has none to tell.
  ComPtr<IAccessible> pages = ChildOf(client_.Get(), 1);
  EXPECT_EQ(pages->get_accFocus(&focused), S_FALSE);
  EXPECT_EQ(focused.vt, VT_EMPTY);
}

INSTANTIATE_TEST_SUITE_P(Focus, AccessibleFocus, testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Accessibility, ThePageTabsTellWhichOneIsSelected) {
  ComPtr<IAccessible> pages = ChildOf(client_.Get(), 1);
  VARIANT selected;
  ASSERT_EQ(pages->get_accSelection(&selected), S_OK);
  EXPECT_EQ(NameOf(AsAccessible(selected).Get()), L"1");

  root_.children[0]->children[0]->selected = false;
  root_.children[0]->children[1]->selected = true;
  ASSERT_EQ(pages->get_accSelection(&selected), S_OK);
  EXPECT_EQ(NameOf(AsAccessible(selected).Get()), L"2");

  // The strip of controls has no selection.
  EXPECT_EQ(ChildOf(client_.Get(), 2)->get_accSelection(&selected), S_FALSE);
  EXPECT_EQ(selected.vt, VT_EMPTY);
}

// A fault in the program while it answers a screen reader fails that call and no more: nothing
// unwinds into COM, and the program hears of it as of any other fault in its handlers.
TEST_F(Accessibility, AFaultWhileAnsweringFailsTheCallInsteadOfCrossingCom) {
  CheckBox().nameError = std::make_exception_ptr(std::runtime_error("the name is broken"));
  ComPtr<IAccessible> strip = ChildOf(client_.Get(), 2);
  BSTR name = nullptr;
  EXPECT_EQ(strip->get_accName(Child(1), &name), E_FAIL);
  EXPECT_EQ(name, nullptr);
  EXPECT_THROW(toolkit::platform::win32::RethrowKeptHandlerError(), std::runtime_error);
  // The search for the focus reads no names, and still works.
  VARIANT focused;
  SetFocus(Handle());
  EXPECT_EQ(client_->get_accFocus(&focused), S_OK);
  VariantClear(&focused);

  // Running out of memory is the client's to hear; the program carries on.
  CheckBox().nameError = std::make_exception_ptr(std::bad_alloc());
  EXPECT_EQ(strip->get_accName(Child(1), &name), E_OUTOFMEMORY);
  EXPECT_NO_THROW(toolkit::platform::win32::RethrowKeptHandlerError());
  CheckBox().nameError = nullptr;
  EXPECT_EQ(NameOf(ChildOf(strip.Get(), 1).Get()), L"Правильный ответ");
}

// What a screen reader in a process of its own reads of the window (msaa_client), while this
// thread serves its calls as the program's message loop does.
struct ClientReading {
  DWORD exitCode = 0;
  std::vector<std::string> lines;
};

ClientReading ReadFromAnotherProcess(HWND window, const std::wstring& actionOn = L"") {
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  std::wstring program(own);
  program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"msaa_client.exe";
  wchar_t folder[MAX_PATH] = {}, output[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"msa", 0, output);
  std::wstring command = L"\"" + program + L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(window)) + L" \"" +
                         output + L"\"";
  if (!actionOn.empty()) command += L" \"" + actionOn + L"\"";

  ClientReading reading;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "msaa_client.exe does not start: error " << GetLastError();
    return reading;
  }
  const double deadline = TestPlatform().Now() + 60;
  TestPlatform().ProcessMessagesUntil([&] {
    return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || TestPlatform().Now() > deadline;
  });
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "msaa_client.exe has not finished in a minute";
    TerminateProcess(process.hProcess, 3);
  }
  GetExitCodeProcess(process.hProcess, &reading.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  if (std::FILE* file = _wfopen(output, L"rb")) {
    std::string line;
    for (int c; (c = std::fgetc(file)) != EOF;) {
      if (c != '\n') {
        line += static_cast<char>(c);
      } else {
        reading.lines.push_back(std::exchange(line, ""));
      }
    }
    std::fclose(file);
  }
  DeleteFileW(output);
  return reading;
}

// One object as msaa_client writes it.
std::string ObjectLine(const std::string& path, LONG role, LONG state, const std::string& name,
                       const std::string& action = "", const std::string& description = "") {
  return path + "\t" + std::to_string(role) + "\t" + std::to_string(state) + "\t" + name + "\t" + action + "\t" +
         description;
}

TEST_F(Accessibility, AScreenReadersProcessReadsTheWholeTreeAndTheFocus) {
  SetFocus(Handle());
  const ClientReading reading = ReadFromAnotherProcess(Handle());
  EXPECT_EQ(reading.exitCode, 0u);
  const std::vector<std::string> expected = {
      ObjectLine("", ROLE_SYSTEM_CLIENT, STATE_SYSTEM_FOCUSABLE, "Тарвель. Zaze"),
      ObjectLine("1", ROLE_SYSTEM_PAGETABLIST, 0, ""),
      ObjectLine("1.1", ROLE_SYSTEM_PAGETAB, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED,
                 "1", "Switch"),
      ObjectLine("1.2", ROLE_SYSTEM_PAGETAB, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, "2", "Switch"),
      ObjectLine("2", ROLE_SYSTEM_PANE, 0, ""),
      ObjectLine("2.1", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED,
                 "Правильный ответ", "Uncheck", "Zaze"),
      ObjectLine("2.2", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, "Следующий", "Press"),
      "focus\t2.1",
  };
  EXPECT_EQ(reading.lines, expected);

  // With no control focused, the window's client area itself has the focus.
  CheckBox().focused = false;
  const ClientReading unfocused = ReadFromAnotherProcess(Handle());
  ASSERT_FALSE(unfocused.lines.empty());
  EXPECT_EQ(unfocused.lines.back(), "focus\t");
}

TEST_F(Accessibility, AScreenReadersProcessDoesTheDefaultActions) {
  const ClientReading pressed = ReadFromAnotherProcess(Handle(), L"Следующий");
  EXPECT_EQ(pressed.exitCode, 0u);
  EXPECT_EQ(Button().defaultActions, 1);

  SetFocus(Handle());
  const ClientReading toggled = ReadFromAnotherProcess(Handle(), L"Правильный ответ");
  EXPECT_EQ(toggled.exitCode, 0u);
  EXPECT_EQ(CheckBox().defaultActions, 1);
  // What it read after the action: the box unticked, and ticking it next.
  ASSERT_GE(toggled.lines.size(), 6u);
  EXPECT_EQ(toggled.lines[5], ObjectLine("2.1", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
                                         "Правильный ответ", "Check", "Zaze"));
}

struct EventCase {
  const char* name;
  AccessibleChange change;
  DWORD winEvent;
};

const EventCase kEvents[] = {
    {"Structure", AccessibleChange::Structure, EVENT_OBJECT_REORDER},
    {"Name", AccessibleChange::Name, EVENT_OBJECT_NAMECHANGE},
    {"State", AccessibleChange::State, EVENT_OBJECT_STATECHANGE},
    {"Focus", AccessibleChange::Focus, EVENT_OBJECT_FOCUS},
    // Readers speak a focused object's new description: the answer the check box reveals.
    {"Description", AccessibleChange::Description, EVENT_OBJECT_DESCRIPTIONCHANGE},
};

struct SeenEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<SeenEvent> seenEvents;

void CALLBACK NoteEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  seenEvents.push_back({event, window, object, child});
}

class AccessibilityEvents : public Accessibility, public testing::WithParamInterface<EventCase> {};

TEST_P(AccessibilityEvents, NameTheChangedNodeSoThatAClientCanReachIt) {
  seenEvents.clear();
  HWINEVENTHOOK hook = SetWinEventHook(GetParam().winEvent, GetParam().winEvent, nullptr, NoteEvent,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  window_->NotifyAccessibility(CheckBox(), GetParam().change);
  const double deadline = TestPlatform().Now() + 5;
  TestPlatform().ProcessMessagesUntil([&] { return !seenEvents.empty() || TestPlatform().Now() > deadline; });
  UnhookWinEvent(hook);

  ASSERT_EQ(seenEvents.size(), 1u);
  EXPECT_EQ(seenEvents[0].event, GetParam().winEvent);
  EXPECT_EQ(seenEvents[0].window, Handle());
  ComPtr<IAccessible> source;
  VARIANT child;
  VariantInit(&child);
  ASSERT_HRESULT_SUCCEEDED(
      AccessibleObjectFromEvent(Handle(), seenEvents[0].object, seenEvents[0].child, &source, &child));
  BSTR name = nullptr;
  ASSERT_HRESULT_SUCCEEDED(source->get_accName(child, &name));
  EXPECT_EQ(std::wstring(name, SysStringLen(name)), L"Правильный ответ");
  SysFreeString(name);
}

INSTANTIATE_TEST_SUITE_P(Changes, AccessibilityEvents, testing::ValuesIn(kEvents),
                         [](const auto& info) { return std::string(info.param.name); });

// When the page changes, the tab that has become the current one is the selection of its
// list, and each tab's selected state may have changed.
TEST_F(Accessibility, ANewCurrentPageTabIsAnnouncedAsTheSelection) {
  PageTab(0).selected = false;
  PageTab(1).selected = true;
  seenEvents.clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SELECTION, EVENT_OBJECT_STATECHANGE, nullptr, NoteEvent,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  window_->NotifyAccessibility(PageTab(1), AccessibleChange::Selection);
  // The toolkit's own, which name their nodes by negative ids.
  const auto ours = [] {
    std::vector<SeenEvent> events;
    for (const SeenEvent& event : seenEvents) {
      if (event.child < 0) events.push_back(event);
    }
    return events;
  };
  const double deadline = TestPlatform().Now() + 5;
  TestPlatform().ProcessMessagesUntil([&] { return ours().size() >= 3 || TestPlatform().Now() > deadline; });
  TestPlatform().ProcessPendingMessages();
  UnhookWinEvent(hook);

  std::vector<std::pair<DWORD, std::wstring>> named;
  for (const SeenEvent& event : ours()) {
    ComPtr<IAccessible> source;
    VARIANT child;
    VariantInit(&child);
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromEvent(event.window, event.object, event.child, &source, &child));
    BSTR name = nullptr;
    ASSERT_HRESULT_SUCCEEDED(source->get_accName(child, &name));
    named.emplace_back(event.event, std::wstring(name, SysStringLen(name)));
    SysFreeString(name);
    VARIANT state;
    VariantInit(&state);
    ASSERT_HRESULT_SUCCEEDED(source->get_accState(child, &state));
    EXPECT_EQ((state.lVal & STATE_SYSTEM_SELECTED) != 0, named.back().second == L"2");
  }
  const std::vector<std::pair<DWORD, std::wstring>> expected = {
      {EVENT_OBJECT_SELECTION, L"2"}, {EVENT_OBJECT_STATECHANGE, L"1"}, {EVENT_OBJECT_STATECHANGE, L"2"}};
  EXPECT_EQ(named, expected);
}

TEST_F(Accessibility, AControlThatHasLeftTheTreeNoLongerAnswers) {
  ComPtr<IAccessible> button = ChildOf(ChildOf(client_.Get(), 2).Get(), 2);
  ASSERT_EQ(NameOf(button.Get()), L"Следующий");
  root_.children[1]->children.pop_back();

  BSTR name = nullptr;
  EXPECT_TRUE(FAILED(button->get_accName(kSelf, &name)));
  EXPECT_EQ(name, nullptr);
  LONG count = 0;
  EXPECT_TRUE(FAILED(button->get_accChildCount(&count)));
  EXPECT_EQ(ChildOf(ChildOf(client_.Get(), 2).Get(), 2), nullptr);
}

TEST_F(Accessibility, ObjectsOutlivingTheirWindowSayTheyAreDisconnected) {
  ComPtr<IAccessible> checkBox = ChildOf(ChildOf(client_.Get(), 2).Get(), 1);
  window_.reset();
  LONG count = 0;
  EXPECT_EQ(checkBox->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(client_->get_accChildCount(&count), RPC_E_DISCONNECTED);
}

TEST(AccessibilityWithoutATree, WindowsAnswersForTheClientArea) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  ComPtr<IAccessible> client;
  ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(AsWin32(*window).Handle(), OBJID_CLIENT, IID_PPV_ARGS(&client)));
  EXPECT_EQ(RoleOf(client.Get()), ROLE_SYSTEM_CLIENT);
  LONG count = -1;
  ASSERT_HRESULT_SUCCEEDED(client->get_accChildCount(&count));
  EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace lumivor::win32_tests
