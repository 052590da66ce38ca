#include "win32ui/LocalAddressesView.h"

#include "net/LocalAddressesForm.h"
#include "platform/win32/Text.h"
#include "win32ui/LocalAddressesViewIds.h"
#include "win32ui/ViewHost.h"
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
}

bool LocalAddressesView::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message != WM_CONTEXTMENU)
        return false;
    POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    showMenu(reinterpret_cast<HWND>(wParam), screen);
    result = TRUE;
    return true;
}

// The panel's pop-up menu, built from the model's items; the chosen item's click runs as an
// event of its own.
void LocalAddressesView::showMenu(HWND window, POINT screen) {
    const auto panels = form_.panels();
    for (std::size_t i = 0; i < panels.size(); ++i) {
        if (GetDlgItem(hwnd(), kPanelIds[i]) != window)
            continue;
        if (screen.x == -1 && screen.y == -1) { // from the keyboard: at the panel
            RECT rect;
            GetWindowRect(window, &rect);
            screen = {rect.left, rect.bottom};
        }
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING | (form_.Copy1.available() ? 0 : MF_GRAYED), IDM_COPYADDRESS,
                    platform::win32::Widen(form_.Copy1.caption).c_str());
        const auto chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                           screen.y, 0, hwnd(), nullptr);
        DestroyMenu(menu);
        if (chosen == IDM_COPYADDRESS)
            host_.dispatch([this, panel = panels[i]] {
                form_.IPMenu.popup(*panel);
                form_.Copy1.click();
            });
        return;
    }
}

} // namespace quarl::win32ui
