#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A check box: its caption and check mark; a click toggles the model.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::CheckBox& control);

} // namespace quarl::win32ui
