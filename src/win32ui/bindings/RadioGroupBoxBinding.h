#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A group box of radio items: the box's caption, and one radio button per item, the buttons
// being the controls whose IDs follow the box's. Clicking an item chooses it in the model.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::RadioGroupBox& control);

} // namespace quarl::win32ui
