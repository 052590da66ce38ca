#include "win32ui/PingStatsView.h"

#include "net/PingStatsForm.h"
#include "win32ui/ViewHost.h"
#include "win32ui/PingStatsViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/LabelBinding.h"

namespace quarl::win32ui {

PingStatsView::PingStatsView(ViewHost& host, net::PingStatsForm& form)
    : FormView(host, form, IDD_PINGSTATS), form_(form) {}

void PingStatsView::onCreate() {
    sizeClientArea(200, 147, true);

    bind(IDC_LBL_TOTALPINGS, form_.Label1);
    bind(IDC_LBL_AVERAGEPING, form_.Label2);
    bind(IDC_LBL_PACKETLOSS, form_.Label3);
    bind(IDC_LBL_LOSTPINGS, form_.Label4);
    bind(IDC_BTN_PINGRESET, form_.btnReset);
    bind(IDC_BTN_PINGCLOSE, form_.btnClose);
}

void PingStatsView::onReconciled() {
    if (!form_.top || form_.top == top_)
        return;
    top_ = form_.top;
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    SetWindowPos(hwnd(), nullptr, rect.left, *top_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PingStatsView::onMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message == WM_PAINT) {
        form_.paint();
        host_.reconcileAll();
    }
    return false; // the dialog paints itself
}

} // namespace quarl::win32ui
