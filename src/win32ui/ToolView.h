#pragma once

#include "win32ui/FormView.h"

namespace quarl::companions {
class ToolForm;
}

namespace quarl::win32ui {

// The Launch Tool: three pages on top of one another without tabs, child dialogs of the window.
class ToolView final : public FormView {
public:
    ToolView(ViewHost& host, companions::ToolForm& form);

protected:
    void onCreate() override;

private:
    companions::ToolForm& form_;
};

} // namespace quarl::win32ui
