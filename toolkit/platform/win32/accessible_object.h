#pragma once

#include <oleacc.h>

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

class AccessibleTree;

// One node of the toolkit's accessibility tree as MSAA's IAccessible: its role, name,
// description, state and place on the screen, its parent and children, hit testing,
// navigation, the focus and the selection, taking the keyboard focus, and its default action. A VARIANT naming a child may be CHILDID_SELF, a
// child's position from 1, or the negative id of any node that an event named. Children are
// objects of their own. IDispatch's late binding is not offered: clients call IAccessible
// directly. No method lets an exception out: it fails instead.
class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(AccessibleTree& tree, AccessibleNode* node) : tree_(&tree), node_(node) {}
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // The window has gone: every call fails from now on.
  void Disconnect();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~AccessibleObject() = default;

  // The node `child` names, or null when it names none or this object's node has gone.
  AccessibleNode* Resolve(const VARIANT& child) const;
  // `node` as an answer: CHILDID_SELF for this object's own node, else its object.
  void Answer(AccessibleNode* node, VARIANT* answer) const;

  LONG references_ = 1;
  AccessibleTree* tree_;
  AccessibleNode* node_;
};

}  // namespace toolkit::platform::win32
