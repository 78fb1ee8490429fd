#include "toolkit/platform/win32/accessible_object.h"

#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/platform/win32/accessible_tree.h"
#include "toolkit/platform/win32/handler_errors.h"
#include "toolkit/platform/win32/text_encoding.h"

namespace toolkit::platform::win32 {

namespace {

LONG MsaaRole(AccessibleRole role) {
  switch (role) {
    // The window's own object is its frame, which Windows provides; the tree's root is what
    // lies inside it.
    case AccessibleRole::Window: return ROLE_SYSTEM_CLIENT;
    case AccessibleRole::PageTabList: return ROLE_SYSTEM_PAGETABLIST;
    case AccessibleRole::PageTab: return ROLE_SYSTEM_PAGETAB;
    case AccessibleRole::Pane: return ROLE_SYSTEM_PANE;
    case AccessibleRole::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Button: return ROLE_SYSTEM_PUSHBUTTON;
  }
  return ROLE_SYSTEM_CLIENT;
}

// A C++ exception must not unwind into COM, which may be carrying the call from another
// process: the call fails instead. Running out of memory is the client's to hear; any other
// error is the program's own fault, kept for the message loop as a window procedure's is.
template <typename Work>
HRESULT Guarded(Work&& work) noexcept {
  try {
    return std::forward<Work>(work)();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    KeepHandlerError(std::current_exception());
    return E_FAIL;
  }
}

// Whether the keyboard focus is in `window` itself, where the toolkit's controls have theirs.
bool HasKeyboardFocus(HWND window) { return GetFocus() == window; }

// The node that has the keyboard focus from `node` down, if any.
AccessibleNode* FocusedWithin(AccessibleNode& node) {
  if (node.IsFocused()) return &node;
  for (int i = 0; i < node.AccessibleChildCount(); ++i) {
    AccessibleNode* child = node.AccessibleChild(i);
    if (AccessibleNode* focused = child ? FocusedWithin(*child) : nullptr) return focused;
  }
  return nullptr;
}

// The node a screen reader is told has the focus: none while the window has not the keyboard
// focus; else the control that has it, or the window's client area when no control has.
AccessibleNode* FocusedNode(AccessibleTree& tree) {
  AccessibleNode* root = tree.Root();
  if (!root || !HasKeyboardFocus(tree.Window())) return nullptr;
  AccessibleNode* focused = FocusedWithin(*root);
  return focused ? focused : root;
}

LONG MsaaState(AccessibleTree& tree, const AccessibleNode& node) {
  LONG state = 0;
  // The client area takes the focus as the window does.
  if (node.IsFocusable() || &node == tree.Root()) state |= STATE_SYSTEM_FOCUSABLE;
  if (&node == FocusedNode(tree)) state |= STATE_SYSTEM_FOCUSED;
  if (node.IsCheckable() && node.IsChecked()) state |= STATE_SYSTEM_CHECKED;
  // A page's tab can be chosen, and is selected while its page is shown.
  if (node.Role() == AccessibleRole::PageTab) state |= STATE_SYSTEM_SELECTABLE;
  if (node.IsSelected()) state |= STATE_SYSTEM_SELECTED;
  return state;
}

// The names Windows' own controls give these actions.
std::wstring_view ActionName(const AccessibleNode& node) {
  switch (node.DefaultAction()) {
    case AccessibleAction::None: return {};
    case AccessibleAction::Press: return L"Press";
    case AccessibleAction::Toggle: return node.IsChecked() ? L"Uncheck" : L"Check";
    case AccessibleAction::Select: return L"Switch";
  }
  return {};
}

// `text` as a BSTR answer: S_FALSE and none when it is empty.
HRESULT AnswerText(std::wstring_view text, BSTR* answer) {
  if (text.empty()) return S_FALSE;
  *answer = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *answer ? S_OK : E_OUTOFMEMORY;
}

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

void SetLong(VARIANT* variant, LONG value) {
  variant->vt = VT_I4;
  variant->lVal = value;
}

bool Within(const Rect& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// The deepest node under `point` (client pixels) from `node` down; a later child lies above
// an earlier one.
AccessibleNode* DeepestAt(AccessibleNode& node, POINT point) {
  for (int i = node.AccessibleChildCount() - 1; i >= 0; --i) {
    AccessibleNode* child = node.AccessibleChild(i);
    if (child && Within(child->BoundsInWindow(), point)) return DeepestAt(*child, point);
  }
  return &node;
}

int PositionAmongSiblings(const AccessibleNode& node, const AccessibleNode& parent) {
  for (int i = 0; i < parent.AccessibleChildCount(); ++i) {
    if (parent.AccessibleChild(i) == &node) return i;
  }
  return -1;
}

}  // namespace

void AccessibleObject::Disconnect() {
  tree_ = nullptr;
  node_ = nullptr;
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(++references_); }

ULONG AccessibleObject::Release() {
  const LONG remaining = --references_;
  if (remaining == 0) {
    if (tree_) tree_->Forget(node_);
    delete this;
  }
  return static_cast<ULONG>(remaining);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

AccessibleNode* AccessibleObject::Resolve(const VARIANT& child) const {
  if (!tree_ || !tree_->Contains(node_) || child.vt != VT_I4) return nullptr;
  if (child.lVal == CHILDID_SELF) return node_;
  if (child.lVal < 0) return tree_->NodeOfEventId(child.lVal);
  if (child.lVal > node_->AccessibleChildCount()) return nullptr;
  return node_->AccessibleChild(child.lVal - 1);
}

void AccessibleObject::Answer(AccessibleNode* node, VARIANT* answer) const {
  if (node == node_) {
    SetLong(answer, CHILDID_SELF);
    return;
  }
  answer->vt = VT_DISPATCH;
  answer->pdispVal = tree_->ObjectFor(node);
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(Self());
    if (!node) return RPC_E_DISCONNECTED;
    if (AccessibleNode* above = node->AccessibleParent()) {
      *parent = tree_->ObjectFor(above);
      return S_OK;
    }
    // The root's parent is the window's frame, as Windows itself presents it.
    return CreateStdAccessibleObject(tree_->Window(), OBJID_WINDOW, __uuidof(IDispatch),
                                     reinterpret_cast<void**>(parent));
  });
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(Self());
    if (!node) return RPC_E_DISCONNECTED;
    *count = node->AccessibleChildCount();
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    *object = tree_->ObjectFor(node);
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    return AnswerText(Utf16FromUtf8(node->Name()), name);
  });
}

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    return AnswerText(Utf16FromUtf8(node->Description()), description);
  });
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    SetLong(role, MsaaRole(node->Role()));
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    SetLong(state, MsaaState(*tree_, *node));
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
  if (help) *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT, LONG* topic) {
  if (helpFile) *helpFile = nullptr;
  if (topic) *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focused) {
  if (!focused) return E_POINTER;
  VariantInit(focused);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(Self());
    if (!node) return RPC_E_DISCONNECTED;
    // Only what lies in this object's own part of the tree.
    AccessibleNode* found = FocusedNode(*tree_);
    if (found && found != node) found = FocusedWithin(*node);
    if (!found) return S_FALSE;
    Answer(found, focused);
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selected) {
  if (!selected) return E_POINTER;
  VariantInit(selected);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(Self());
    if (!node) return RPC_E_DISCONNECTED;
    // A set has one current member at most, as the page tabs have their page's.
    for (int i = 0; i < node->AccessibleChildCount(); ++i) {
      AccessibleNode* child = node->AccessibleChild(i);
      if (child && child->IsSelected()) {
        Answer(child, selected);
        return S_OK;
      }
    }
    return S_FALSE;
  });
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    return AnswerText(ActionName(*node), action);
  });
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    // The toolkit's sets have one current member each: it can be taken, not added to, extended
    // or removed.
    if (flags == SELFLAG_NONE || (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) != 0) return E_INVALIDARG;
    const bool focuses = (flags & SELFLAG_TAKEFOCUS) != 0;
    const bool selects = (flags & SELFLAG_TAKESELECTION) != 0;
    if ((focuses && !node->IsFocusable()) || (selects && node->DefaultAction() != AccessibleAction::Select)) {
      return S_FALSE;
    }
    if (focuses) node->TakeFocus();
    // A page's tab is selected by choosing it, as a click does.
    if (selects) node->DoDefaultAction();
    return S_OK;
  });
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    const Rect bounds = node->BoundsInWindow();
    POINT corner{bounds.left, bounds.top};
    ClientToScreen(tree_->Window(), &corner);
    *left = corner.x;
    *top = corner.y;
    *width = bounds.Width();
    *height = bounds.Height();
    return S_OK;
  });
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* from = Resolve(start);
    if (!from) return E_INVALIDARG;
    AccessibleNode* found = nullptr;
    switch (direction) {
      case NAVDIR_FIRSTCHILD:
      case NAVDIR_LASTCHILD: {
        const int count = from->AccessibleChildCount();
        if (count > 0) found = from->AccessibleChild(direction == NAVDIR_FIRSTCHILD ? 0 : count - 1);
        break;
      }
      case NAVDIR_NEXT:
      case NAVDIR_PREVIOUS: {
        AccessibleNode* parent = from->AccessibleParent();
        if (!parent) break;
        const int sibling = PositionAmongSiblings(*from, *parent) + (direction == NAVDIR_NEXT ? 1 : -1);
        if (sibling >= 0 && sibling < parent->AccessibleChildCount()) found = parent->AccessibleChild(sibling);
        break;
      }
      default:
        // Up, down, left and right on the screen: not offered.
        return E_NOTIMPL;
    }
    if (!found) return S_FALSE;
    end->vt = VT_DISPATCH;
    end->pdispVal = tree_->ObjectFor(found);
    return S_OK;
  });
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(Self());
    if (!node) return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(tree_->Window(), &point);
    if (!Within(node->BoundsInWindow(), point)) return S_FALSE;
    Answer(DeepestAt(*node, point), child);
    return S_OK;
  });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  return Guarded([&]() -> HRESULT {
    AccessibleNode* node = Resolve(child);
    if (!node) return E_INVALIDARG;
    if (node->DefaultAction() == AccessibleAction::None) return DISP_E_MEMBERNOTFOUND;
    node->DoDefaultAction();
    return S_OK;
  });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace toolkit::platform::win32
