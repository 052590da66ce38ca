#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A page control: a tab control with one tab per page, and the pages' windows, which are the
// controls whose IDs follow the tab control's, in page order. The pages are laid over the
// tab control's display area; only the active one shows. Choosing a tab shows its page.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::PageControl& control);

} // namespace quarl::win32ui
