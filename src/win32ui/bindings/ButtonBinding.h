#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A push button: its caption; a click runs the model's reaction.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Button& control);

} // namespace quarl::win32ui
