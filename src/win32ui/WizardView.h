#pragma once

#include "win32ui/FormView.h"

namespace quarl::wizard {
class WizardForm;
}

namespace quarl::win32ui {

// The launch wizard: six pages on top of one another without tabs, child dialogs of the window.
class WizardView final : public FormView {
public:
    WizardView(ViewHost& host, wizard::WizardForm& form);

protected:
    void onCreate() override;

private:
    wizard::WizardForm& form_;
};

} // namespace quarl::win32ui
