#include "win32ui/ABEditView.h"

#include "net/ABEditForm.h"
#include "win32ui/ABEditViewIds.h"
#include "win32ui/ViewHost.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/ComboBoxBinding.h"
#include "win32ui/bindings/EditBinding.h"

namespace quarl::win32ui {

ABEditView::ABEditView(ViewHost& host, net::ABEditForm& form)
    : FormView(host, form, IDD_ABEDIT), form_(form) {}

void ABEditView::onCreate() {
    sizeClientArea(384, 227, true);
    bind(IDC_EDT_DESC, form_.txtDesc);
    bind(IDC_EDT_ABADDRESS, form_.txtIPAddress);
    bind(IDC_EDT_ENTRYPORT, form_.txtJoinPort);
    bind(IDC_CB_PRESETMOD, form_.ModList);
    bind(IDC_CB_GAMETYPE, form_.GameType);
    bind(IDC_EDT_ENTRYPASSWORD, form_.txtPassword);
    bind(IDC_BTN_DONE, form_.btnDone);
    bind(IDC_BTN_ABCANCEL, form_.btnCancel);
    bind(IDC_BTN_ABHELP, form_.btnHelp);
}

bool ABEditView::onMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message != WM_PAINT)
        return false;
    PAINTSTRUCT paint;
    BeginPaint(hwnd(), &paint);
    EndPaint(hwnd(), &paint);
    // After EndPaint: coming to the front must not find the window still waiting for this paint.
    form_.paint();
    host_.reconcileAll();
    result = 0;
    return true;
}

} // namespace quarl::win32ui
