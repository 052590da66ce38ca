#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// An edit field: its text and length limit; typed text is read back before every event.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Edit& control);

} // namespace quarl::win32ui
