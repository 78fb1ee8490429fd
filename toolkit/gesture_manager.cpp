#include "gesture_manager.h"

namespace toolkit {

TGestureManager::TGestureManager(QObject* parent) : QObject(parent) {}

}  // namespace toolkit
