#pragma once

#include "win32ui/FormView.h"

namespace quarl::win32ui {

// A window whose contents come later: its caption, shown and hidden from the model.
class EmptyView final : public FormView {
public:
    EmptyView(ViewHost& host, ui::Form& form);
};

} // namespace quarl::win32ui
