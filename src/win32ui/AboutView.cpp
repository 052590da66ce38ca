#include "win32ui/AboutView.h"

#include "companions/AboutForm.h"
#include "win32ui/AboutViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/ImageBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/LinkBinding.h"
#include "win32ui/res/AppIds.h"

namespace quarl::win32ui {

AboutView::AboutView(ViewHost& host, companions::AboutForm& form)
    : FormView(host, form, IDD_ABOUT), form_(form) {}

void AboutView::onCreate() {
    // The window's outer size, as the box has always been laid out.
    const int dpi = this->dpi();
    SetWindowPos(hwnd(), nullptr, 0, 0, MulDiv(276, dpi, 96), MulDiv(258, dpi, 96),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(GetDlgItem(hwnd(), IDC_IMG_ABOUTLOGO), nullptr, 0, 0, MulDiv(117, dpi, 96),
                 MulDiv(231, dpi, 96), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bind(IDC_IMG_ABOUTLOGO, form_.imgLogo);
    bind(IDC_LBL_ABOUTNAME, form_.lblName);
    bind(IDC_LBL_ABOUTVERSION, form_.lblVersion);
    bind(IDC_LBL_ABOUTAUTHOR, form_.lblAuthor);
    bind(IDC_LBL_ABOUTYEARS, form_.lblYears);
    bind(IDC_LBL_ABOUTCOMPANY, form_.lblCompany);
    bind(IDC_LBL_ABOUTLEGAL, form_.lblLegal);
    bind(IDC_LNK_ABOUTHOME, form_.lnkHomePage);
    bind(IDC_BTN_ABOUTOK, form_.btnOk);
    setEscapeButton(form_.btnOk);
}

// The picture: the launcher's icon on a dark field.
bool AboutView::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM)
        return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != IDC_IMG_ABOUTLOGO)
        return false;
    HBRUSH field = CreateSolidBrush(RGB(32, 40, 48));
    FillRect(item->hDC, &item->rcItem, field);
    DeleteObject(field);
    const int size = MulDiv(64, dpi(), 96);
    const int left = (item->rcItem.left + item->rcItem.right - size) / 2;
    const int top = item->rcItem.top + MulDiv(24, dpi(), 96);
    const auto icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LAUNCHER),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    DrawIconEx(item->hDC, left, top, icon, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    result = TRUE;
    return true;
}

} // namespace quarl::win32ui
