#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A list box: its items, the selection mode, the selected items and the current one. A click
// reads the selection into the model and runs its reaction; a double click runs the other.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ListBox& control);

} // namespace quarl::win32ui
