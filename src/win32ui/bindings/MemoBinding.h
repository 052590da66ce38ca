#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A multi-line edit field: its text, lines separated by CR LF, and whether it is read-only;
// what the player typed into an editable one is read back before every event.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Memo& control);

} // namespace quarl::win32ui
