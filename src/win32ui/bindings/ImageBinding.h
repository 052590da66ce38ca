#pragma once

#include "win32ui/bindings/Binding.h"

namespace quarl::win32ui {

// An owner-drawn picture (SS_OWNERDRAW): repainted when the model names another picture; its
// dialog draws it. A double click runs the model's reaction.
std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Image& control);

} // namespace quarl::win32ui
