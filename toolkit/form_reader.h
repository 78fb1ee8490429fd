#pragma once

#include "component_record.h"

namespace toolkit {

class TForm;

// Reads a form definition into the form: the form's own properties, then every component in
// stored order, each with its properties and events, then the components it holds.
void ReadForm(TForm& form, const ComponentRecord& definition);

}  // namespace toolkit
