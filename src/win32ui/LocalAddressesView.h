#pragma once

#include "win32ui/FormView.h"

namespace quarl::net {
class LocalAddressesForm;
}

namespace quarl::win32ui {

// The Local IP Addresses window: five coloured panels, each with the "&Copy" pop-up menu that
// the view framework opens on a right-click.
class LocalAddressesView final : public FormView {
public:
    LocalAddressesView(ViewHost& host, net::LocalAddressesForm& form);

protected:
    void onCreate() override;

private:
    net::LocalAddressesForm& form_;
};

} // namespace quarl::win32ui
