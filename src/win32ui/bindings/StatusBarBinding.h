#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A one-part status bar: its text.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::StatusBar& control);

} // namespace quarl::win32ui
