#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// An editable or pick-only drop-down list: its items and text; picking an item sets the text.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ComboBox& control);

} // namespace quarl::win32ui
