#include "win32ui/EmptyView.h"

#include "win32ui/EmptyViewIds.h"

namespace quarl::win32ui {

EmptyView::EmptyView(ViewHost& host, ui::Form& form) : FormView(host, form, IDD_EMPTY) {}

} // namespace quarl::win32ui
