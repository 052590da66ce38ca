#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A grid as a report-style list view: the model's columns (headers and widths), row height,
// grid lines, rows and selected row. Selecting, resizing a column, dragging a row to another
// place, a double click and the right-click menu become the model's calls.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Grid& control);

} // namespace quarl::win32ui
