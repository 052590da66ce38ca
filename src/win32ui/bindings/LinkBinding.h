#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A link (the common controls' SysLink): its caption, blue and underlined with a hand cursor; a
// click or Enter runs the model's reaction.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Link& control);

} // namespace quarl::win32ui
