#include "win32ui/bindings/CommandBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

void CommandBinding::reconcile(HWND window, HWND toolbar) {
    const int enabled = command_.available() ? 1 : 0;
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (kind_ == CommandKind::Menu)
        EnableMenuItem(GetMenu(window), static_cast<UINT>(id_),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    else
        SendMessageW(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(id_), MAKELPARAM(enabled, 0));
}

} // namespace quarl::win32ui
