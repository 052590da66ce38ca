#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A group box: its caption.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::GroupBox& control);

} // namespace quarl::win32ui
