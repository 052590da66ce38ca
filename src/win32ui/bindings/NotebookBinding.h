#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// Pages on top of one another without tabs: the control is the area they cover; page n is the
// child window with the control's ID plus 1 + n. Only the active page shows.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Notebook& control);

} // namespace quarl::win32ui
