#include "toolkit/app/standard_classes.h"

#include "toolkit/app/gesture_manager.h"
#include "toolkit/components/class_registry.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/panel.h"
#include "toolkit/controls/tab_control.h"
#include "toolkit/controls/tab_item.h"
#include "toolkit/controls/text.h"

namespace toolkit {
namespace {

template <typename T>
void Register(const char* className) {
  RegisterClass(className, [] { return std::make_unique<T>(); });
}

}  // namespace

void RegisterStandardClasses() {
  Register<TButton>("TButton");
  Register<TCheckBox>("TCheckBox");
  Register<TGestureManager>("TGestureManager");
  Register<TImage>("TImage");
  Register<TPanel>("TPanel");
  Register<TTabControl>("TTabControl");
  Register<TTabItem>("TTabItem");
  Register<TText>("TText");
}

}  // namespace toolkit
