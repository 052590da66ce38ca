#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A panel: a static text in the model's colours.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Panel& control);

} // namespace quarl::win32ui
