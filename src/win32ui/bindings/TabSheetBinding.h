#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A page of a page control: a child dialog holding the page's controls. Disabling the page
// disables everything on it; which page shows is the page control's business.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::TabSheet& control);

} // namespace quarl::win32ui
