#pragma once

#include "win32ui/FormView.h"

namespace quarl::net {
class ABEditForm;
}

namespace quarl::win32ui {

// The entry editor: six fields and three buttons, centred on the screen; every paint brings it
// to the front.
class ABEditView final : public FormView {
public:
    ABEditView(ViewHost& host, net::ABEditForm& form);

protected:
    void onCreate() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    net::ABEditForm& form_;
};

} // namespace quarl::win32ui
