#include "win32ui/LocalAddressesView.h"

#include "net/LocalAddressesForm.h"
#include "win32ui/LocalAddressesViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/PanelBinding.h"

namespace quarl::win32ui {

namespace {

constexpr int kPanelIds[] = {IDC_PNL_IP1, IDC_PNL_IP2, IDC_PNL_IP3, IDC_PNL_IP4, IDC_PNL_IP5};

} // namespace

LocalAddressesView::LocalAddressesView(ViewHost& host, net::LocalAddressesForm& form)
    : FormView(host, form, IDD_LOCALADDRESSES), form_(form) {}

void LocalAddressesView::onCreate() {
    sizeClientArea(152, 212, true);
    const auto panels = form_.panels();
    for (std::size_t i = 0; i < panels.size(); ++i)
        bind(kPanelIds[i], *panels[i]);
    bind(IDC_BTN_LOCALADDRESSESOK, form_.btnOk);
    setEscapeButton(form_.btnOk);
}

} // namespace quarl::win32ui
