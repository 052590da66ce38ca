#pragma once

#include "win32ui/FormView.h"

namespace quarl::companions {
class AboutForm;
}

namespace quarl::win32ui {

// The About box: the launcher's picture, name, version and makers, and the home page link.
class AboutView final : public FormView {
public:
    AboutView(ViewHost& host, companions::AboutForm& form);

protected:
    void onCreate() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    companions::AboutForm& form_;
};

} // namespace quarl::win32ui
