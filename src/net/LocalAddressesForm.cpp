#include "net/LocalAddressesForm.h"

namespace quarl::net {

namespace {

constexpr ui::Color kPanelBlue = 0x8080FF;
constexpr ui::Color kWhite = 0xFFFFFF;

} // namespace

LocalAddressesForm::LocalAddressesForm(platform::Platform& platform)
    : Form("frmIPAddress", "Local IP Addresses"), platform_(platform) {
    for (auto* panel : panels()) {
        panel->caption = "N/A";
        panel->color = kPanelBlue;
        panel->textColor = kWhite;
        panel->popupMenu = &IPMenu;
    }
    Copy1.caption = "&Copy";
    IPMenu.items = {&Copy1};
    btnOk.caption = "Ok";
    Copy1.onClick = [this] { Copy1Click(); };
    btnOk.onClick = [this] { btnOkClick(); };
}

void LocalAddressesForm::FormShow() {
    if (filled_)
        return;
    filled_ = true;
    FillLocalAddresses();
}

void LocalAddressesForm::FillLocalAddresses() {
    const auto addresses = platform_.localAddresses.find();
    const auto shown = panels();
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i]->caption = i < addresses.size() ? addresses[i] : "N/A";
}

void LocalAddressesForm::Copy1Click() {
    for (auto* panel : panels())
        if (IPMenu.popupComponent() == panel)
            platform_.clipboard.copyText(panel->caption);
}

void LocalAddressesForm::btnOkClick() {
    close();
}

} // namespace quarl::net
