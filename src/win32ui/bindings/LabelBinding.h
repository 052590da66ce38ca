#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A label: its caption, background colour and boldness; a double click runs the model's
// reaction (SS_NOTIFY).
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Label& control);

} // namespace quarl::win32ui
