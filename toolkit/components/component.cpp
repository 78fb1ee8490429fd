#include "toolkit/components/component.h"

namespace toolkit {

bool TComponent::SetProperty(std::string_view, const TValue&) { return false; }

bool TComponent::BindEvent(std::string_view, const THandler&) { return false; }

bool TComponent::Adopt(std::unique_ptr<TComponent>&) { return false; }

}  // namespace toolkit
