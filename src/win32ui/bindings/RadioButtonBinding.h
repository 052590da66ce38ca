#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A radio button: its caption and whether it is selected; a click selects it in the model.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::RadioButton& control);

} // namespace quarl::win32ui
