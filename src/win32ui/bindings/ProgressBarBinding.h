#pragma once

#include "win32ui/bindings/Binding.h"

#include <cstdint>

namespace quarl::win32ui {

// The native bar's range: positions are scaled to it.
inline constexpr int kProgressBarRange = 10000;

// Position of max as a step of the native bar's range: 0 for a max of 0, full at or past max,
// whatever the size of the numbers.
int ProgressBarStep(std::uint64_t position, std::uint64_t max);

// A progress bar: position of max, in the model's units of any size.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ProgressBar& control);

} // namespace quarl::win32ui
