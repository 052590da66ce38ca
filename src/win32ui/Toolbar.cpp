#include "win32ui/Toolbar.h"

#include <vector>

namespace quarl::win32ui {

HWND CreateToolbar(HWND parent, int id, DWORD style) {
    const HWND toolbar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER | style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return toolbar;
}

void AddToolbarButtons(HWND toolbar, std::initializer_list<ToolbarEntry> entries) {
    std::vector<TBBUTTON> buttons;
    for (const auto& entry : entries) {
        TBBUTTON button{};
        button.iBitmap = entry.image;
        button.idCommand = entry.command;
        button.fsState = entry.style == BTNS_SEP ? 0 : TBSTATE_ENABLED;
        button.fsStyle = entry.style;
        buttons.push_back(button);
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
}

} // namespace quarl::win32ui
