#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// A track bar: its range, tick frequency and position; moving it sets the model's position.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::TrackBar& control);

} // namespace quarl::win32ui
