#pragma once

#include "win32ui/FormView.h"

namespace quarl::net {
class LocalAddressesForm;
}

namespace quarl::win32ui {

// The Local IP Addresses window: five coloured panels, each with a "&Copy" pop-up menu.
class LocalAddressesView final : public FormView {
public:
    LocalAddressesView(ViewHost& host, net::LocalAddressesForm& form);

protected:
    void onCreate() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void showMenu(HWND panel, POINT screen);

    net::LocalAddressesForm& form_;
};

} // namespace quarl::win32ui
