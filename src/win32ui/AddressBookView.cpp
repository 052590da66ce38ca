#include "win32ui/AddressBookView.h"

#include "net/AddressBookForm.h"
#include "platform/win32/Text.h"
#include "win32ui/AddressBookViewIds.h"
#include "win32ui/Toolbar.h"
#include "win32ui/bindings/GridBinding.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace quarl::win32ui {

AddressBookView::AddressBookView(ViewHost& host, net::AddressBookForm& form,
                                 config::ConfigStore& store)
    : FormView(host, form, IDD_ADDRESSBOOK), form_(form), store_(store) {}

void AddressBookView::onCreate() {
    setLauncherIcon();
    createToolbar();
    const int dpi = this->dpi();
    SetWindowPos(hwnd(), nullptr, 0, 0, MulDiv(468, dpi, 96), MulDiv(309, dpi, 96),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();

    bind(IDC_GRD_ADDRESSBOOK, form_.ABGrid);
    const std::pair<int, ui::ToolButton*> toolButtons[] = {
        {IDT_AB_USE, &form_.atbUse},       {IDT_AB_NEW, &form_.atbNew},
        {IDT_AB_DELETE, &form_.atbDelete}, {IDT_AB_PROPERTIES, &form_.atbProperties},
        {IDT_AB_HELP, &form_.atbHelp},
    };
    for (const auto& [id, button] : toolButtons)
        bindCommand(id, *button, CommandKind::Toolbar);
    keepPosition(store_, app::kAddressBookPos);
}

void AddressBookView::createToolbar() {
    setToolbar(CreateToolbar(hwnd(), IDC_ABTOOLBAR, TBSTYLE_TOOLTIPS));
    setToolbarImages();
    // Use Entry copies the entry into the main window: the paste picture.
    AddToolbarButtons(toolbar(), {{STD_PASTE, IDT_AB_USE},
                                  kToolbarSeparator,
                                  {STD_FILENEW, IDT_AB_NEW},
                                  {STD_DELETE, IDT_AB_DELETE},
                                  {STD_PROPERTIES, IDT_AB_PROPERTIES},
                                  kToolbarSeparator,
                                  {STD_HELP, IDT_AB_HELP}});
}

// The system's standard pictures, the large ones on a screen of a larger scale.
void AddressBookView::setToolbarImages() {
    const bool large = dpi() > 120;
    SendMessageW(toolbar(), TB_SETIMAGELIST, 0, 0);
    const int size = large ? 24 : 16;
    SendMessageW(toolbar(), TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessageW(toolbar(), TB_LOADIMAGES, large ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
}

// The toolbar along the top, the grid in the rest of the client area.
void AddressBookView::layOut() {
    SendMessageW(toolbar(), TB_AUTOSIZE, 0, 0);
    RECT client;
    GetClientRect(hwnd(), &client);
    RECT bar;
    GetWindowRect(toolbar(), &bar);
    const int top = bar.bottom - bar.top;
    SetWindowPos(GetDlgItem(hwnd(), IDC_GRD_ADDRESSBOOK), nullptr, 0, top, client.right,
                 std::max<int>(client.bottom - top, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

void AddressBookView::onDpiChanged() {
    setToolbarImages();
    layOut();
}

bool AddressBookView::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_SIZE:
        layOut();
        result = 0;
        return true;
    case WM_NOTIFY: {
        // The toolbar's tips are the buttons' hints.
        auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (tip->hdr.code != TTN_GETDISPINFOW)
            return false;
        if (const auto* hint = commandHint(static_cast<int>(tip->hdr.idFrom))) {
            tipText_ = platform::win32::Widen(*hint);
            tip->lpszText = tipText_.data();
        }
        result = 0;
        return true;
    }
    default: return false;
    }
}

} // namespace quarl::win32ui
