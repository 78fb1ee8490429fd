#pragma once

#include <string>

class QObject;
class QWidget;

namespace toolkit {

// Creates a component of a class named in a form definition, owned by the given parent.
QObject* CreateComponent(const std::string& className, QWidget* parent);

}  // namespace toolkit
