#pragma once

#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <array>

namespace quarl::net {

// frmIPAddress: up to five IPv4 addresses of this computer, each copied to the clipboard from
// its panel's pop-up menu. Shown over the main window, which stays disabled until "Ok".
class LocalAddressesForm final : public ui::Form {
public:
    explicit LocalAddressesForm(platform::Platform& platform);

    ui::Panel IP1{"IP1"};
    ui::Panel IP2{"IP2"};
    ui::Panel IP3{"IP3"};
    ui::Panel IP4{"IP4"};
    ui::Panel IP5{"IP5"};
    ui::PopupMenu IPMenu;
    ui::MenuItem Copy1{"Copy1"};
    ui::Button btnOk{"btnOk"};

    std::array<ui::Panel*, 5> panels() { return {&IP1, &IP2, &IP3, &IP4, &IP5}; }

    // Fills the panels from the addresses found, the first five in the order found; "N/A"
    // where there is none.
    void FillLocalAddresses();
    void Copy1Click();
    void btnOkClick();

protected:
    // The addresses are looked up once, when the window is first shown: a window never opened
    // costs the launcher nothing at start-up.
    void FormShow() override;

private:
    platform::Platform& platform_;
    bool filled_ = false;
};

} // namespace quarl::net
