#include "class_registry.h"

#include <functional>
#include <map>
#include <stdexcept>

#include "button.h"
#include "check_box.h"
#include "gesture_manager.h"
#include "image.h"
#include "panel.h"
#include "tab_control.h"
#include "tab_item.h"
#include "text.h"

namespace toolkit {
namespace {

template <typename T>
QObject* Make(QWidget* parent) {
  return new T(parent);
}

const std::map<std::string, std::function<QObject*(QWidget*)>>& Classes() {
  static const std::map<std::string, std::function<QObject*(QWidget*)>> classes = {
      {"TButton", Make<TButton>},         {"TCheckBox", Make<TCheckBox>},
      {"TGestureManager", Make<TGestureManager>}, {"TImage", Make<TImage>},
      {"TPanel", Make<TPanel>},           {"TTabControl", Make<TTabControl>},
      {"TTabItem", Make<TTabItem>},       {"TText", Make<TText>},
  };
  return classes;
}

}  // namespace

QObject* CreateComponent(const std::string& className, QWidget* parent) {
  const auto found = Classes().find(className);
  if (found == Classes().end()) throw std::invalid_argument("unknown component class " + className);
  return found->second(parent);
}

}  // namespace toolkit
