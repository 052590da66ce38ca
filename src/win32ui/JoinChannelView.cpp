#include "win32ui/JoinChannelView.h"

#include "companions/VoiceChat.h"
#include "win32ui/JoinChannelViewIds.h"
#include "win32ui/ToolbarIcons.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/CheckBoxBinding.h"
#include "win32ui/bindings/ComboBoxBinding.h"
#include "win32ui/bindings/EditBinding.h"
#include "win32ui/bindings/GroupBoxBinding.h"
#include "win32ui/bindings/ImageBinding.h"
#include "win32ui/bindings/LabelBinding.h"

#include <algorithm>

namespace quarl::win32ui {

namespace {

// Roger Wilco's picture among the toolbar's.
constexpr int kRogerWilcoImage = 6;

} // namespace

JoinChannelView::JoinChannelView(ViewHost& host, companions::JoinChannelForm& form)
    : FormView(host, form, IDD_JOINCHANNEL), form_(form) {}

void JoinChannelView::onCreate() {
    sizeClientArea(282, 207, true);
    const int size = MulDiv(32, dpi(), 96);
    SetWindowPos(GetDlgItem(hwnd(), IDC_IMG_JOINPICTURE), nullptr, 0, 0, size, size,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bind(IDC_IMG_JOINPICTURE, form_.imgPicture);
    bind(IDC_LBL_JOINTEXT, form_.lblText);
    bind(IDC_GRP_JOINSERVER, form_.gbServer);
    bind(IDC_CB_JOINSERVER, form_.cbServer);
    bind(IDC_GRP_JOINPASSWORD, form_.gbPassword);
    bind(IDC_EDT_JOINPASSWORD, form_.txtPassword);
    bind(IDC_CHK_JOINMINIMIZED, form_.chkMinimized);
    bind(IDC_BTN_JOIN, form_.btnJoin);
    bind(IDC_BTN_JOINCANCEL, form_.btnCancel);
    setEscapeButton(form_.btnCancel);
}

// The picture: Roger Wilco's headset, drawn at the picture's size.
bool JoinChannelView::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM)
        return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != IDC_IMG_JOINPICTURE)
        return false;
    const int size =
        std::min(item->rcItem.right - item->rcItem.left, item->rcItem.bottom - item->rcItem.top);
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (HIMAGELIST images = CreateToolbarImages(size)) {
        ImageList_Draw(images, kRogerWilcoImage, item->hDC, item->rcItem.left, item->rcItem.top,
                       ILD_TRANSPARENT);
        ImageList_Destroy(images);
    }
    result = TRUE;
    return true;
}

} // namespace quarl::win32ui
