#pragma once

#include <string>

#include "toolkit/components/component_record.h"

// The stored definition of the main window: its properties, the tab control with the whole
// deck, and the gesture settings, in the order they are read.
toolkit::ComponentRecord Unit1Definition();

// The name under which the change handler of a check box is published and bound.
std::string CheckBoxChangeHandlerName(int checkBox);
// The answer text that a check box governs: the one on its own card.
std::string AnswerTextNameFor(int checkBox);
