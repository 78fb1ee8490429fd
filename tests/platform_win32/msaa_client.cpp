// A screen reader's view of one window, from a process of its own as a screen reader has it:
// the window's client area through AccessibleObjectFromWindow, each call carried across the
// process boundary by COM. Optionally it first does the default action of the object of a
// given name, as a reader does when the learner presses Enter on it; then it writes one line
// for each object, the client area first and its descendants depth first:
//   <path>\t<role>\t<state>\t<name>\t<default action>\t<description>
// with the path as child positions from the client area ("" for it, "2.1" for the first child
// of its second), role and state in decimal, and the texts in UTF-8; and last a line
//   focus\t<path of the object get_accFocus answers, or "none">
// Usage: msaa_client <window handle in decimal> <output file> [<name whose action to do>]
// The exit code is 0 when every call that must succeed did; the output says what failed.
#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using Microsoft::WRL::ComPtr;

namespace {

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::string Utf8(const wchar_t* text, int length) {
  if (length == 0) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// A text property, "" when the object has none; BSTRs are freed here.
template <typename Getter>
std::string Text(Getter get) {
  BSTR text = nullptr;
  const HRESULT result = get(&text);
  std::string utf8 = SUCCEEDED(result) && text ? Utf8(text, static_cast<int>(SysStringLen(text))) : "";
  SysFreeString(text);
  return utf8;
}

std::string NameOf(IAccessible* object) {
  return Text([&](BSTR* text) { return object->get_accName(Self(), text); });
}

LONG LongOf(HRESULT result, const VARIANT& answer) {
  return SUCCEEDED(result) && answer.vt == VT_I4 ? answer.lVal : -1;
}

ComPtr<IAccessible> ChildAt(IAccessible* parent, LONG position) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = position;
  ComPtr<IDispatch> dispatch;
  ComPtr<IAccessible> object;
  if (SUCCEEDED(parent->get_accChild(child, &dispatch)) && dispatch) dispatch.As(&object);
  return object;
}

class Reader {
 public:
  explicit Reader(std::FILE* output) : output_(output) {}

  // Writes `object` and what lies below it; `path` names it.
  void Walk(IAccessible* object, const std::string& path) {
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    const LONG roleValue = LongOf(object->get_accRole(Self(), &role), role);
    const LONG stateValue = LongOf(object->get_accState(Self(), &state), state);
    const std::string action = Text([&](BSTR* text) { return object->get_accDefaultAction(Self(), text); });
    const std::string description = Text([&](BSTR* text) { return object->get_accDescription(Self(), text); });
    std::fprintf(output_, "%s\t%ld\t%ld\t%s\t%s\t%s\n", path.c_str(), roleValue, stateValue, NameOf(object).c_str(),
                 action.c_str(), description.c_str());
    LONG count = 0;
    if (FAILED(object->get_accChildCount(&count))) Fail("get_accChildCount of " + path);
    for (LONG position = 1; position <= count; ++position) {
      const std::string childPath = path.empty() ? std::to_string(position) : path + "." + std::to_string(position);
      ComPtr<IAccessible> child = ChildAt(object, position);
      if (!child) {
        Fail("get_accChild " + childPath);
        continue;
      }
      Walk(child.Get(), childPath);
    }
  }

  // The object named `name` from `object` down, if any.
  ComPtr<IAccessible> Find(IAccessible* object, const std::string& name) {
    if (NameOf(object) == name) return object;
    LONG count = 0;
    if (FAILED(object->get_accChildCount(&count))) return nullptr;
    for (LONG position = 1; position <= count; ++position) {
      ComPtr<IAccessible> child = ChildAt(object, position);
      if (ComPtr<IAccessible> found = child ? Find(child.Get(), name) : nullptr) return found;
    }
    return nullptr;
  }

  // The path of `target` from `object` (named `path`) down, compared by identity as COM
  // defines it: the same IUnknown.
  bool PathOf(IAccessible* object, IUnknown* target, const std::string& path, std::string& found) {
    ComPtr<IUnknown> identity;
    object->QueryInterface(IID_PPV_ARGS(&identity));
    if (identity.Get() == target) {
      found = path;
      return true;
    }
    LONG count = 0;
    if (FAILED(object->get_accChildCount(&count))) return false;
    for (LONG position = 1; position <= count; ++position) {
      const std::string childPath = path.empty() ? std::to_string(position) : path + "." + std::to_string(position);
      ComPtr<IAccessible> child = ChildAt(object, position);
      if (child && PathOf(child.Get(), target, childPath, found)) return true;
    }
    return false;
  }

  void Focus(IAccessible* client) {
    VARIANT focused;
    VariantInit(&focused);
    const HRESULT result = client->get_accFocus(&focused);
    std::string path = "none";
    if (FAILED(result)) {
      Fail("get_accFocus");
    } else if (focused.vt == VT_I4 && focused.lVal == CHILDID_SELF) {
      path = "";
    } else if (focused.vt == VT_DISPATCH && focused.pdispVal) {
      ComPtr<IUnknown> identity;
      focused.pdispVal->QueryInterface(IID_PPV_ARGS(&identity));
      if (!PathOf(client, identity.Get(), "", path)) Fail("the focused object is not in the tree");
    } else if (focused.vt != VT_EMPTY) {
      Fail("get_accFocus answered a child id");
    }
    VariantClear(&focused);
    std::fprintf(output_, "focus\t%s\n", path.c_str());
  }

  void Fail(const std::string& what) {
    std::fprintf(output_, "failed\t%s\n", what.c_str());
    failed_ = true;
  }
  bool Failed() const { return failed_; }

 private:
  std::FILE* output_;
  bool failed_ = false;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const auto window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[1], nullptr, 10)));
  std::FILE* output = _wfopen(argv[2], L"wb");
  if (!output) return 2;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Reader reader(output);
  ComPtr<IAccessible> client;
  const HRESULT found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&client));
  if (FAILED(found) || !client) {
    reader.Fail("AccessibleObjectFromWindow");
  } else {
    if (argc > 3) {
      const std::string name = Utf8(argv[3], static_cast<int>(wcslen(argv[3])));
      ComPtr<IAccessible> target = reader.Find(client.Get(), name);
      if (!target || FAILED(target->accDoDefaultAction(Self()))) reader.Fail("accDoDefaultAction of " + name);
    }
    reader.Walk(client.Get(), "");
    reader.Focus(client.Get());
  }
  client.Reset();
  CoUninitialize();
  std::fclose(output);
  return reader.Failed() ? 1 : 0;
}
