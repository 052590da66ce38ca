#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

namespace quarl::win32ui {

// One button of a toolbar: its picture and command, or a separator (command 0).
struct ToolbarEntry {
    int image = 0;
    int command = 0;
    BYTE style = BTNS_BUTTON;
};
inline constexpr ToolbarEntry kToolbarSeparator{6, 0, BTNS_SEP};

// A flat toolbar along the top of the window, with no buttons yet; `style` adds to the common
// styles (TBSTYLE_TOOLTIPS, for one).
HWND CreateToolbar(HWND parent, int id, DWORD style = 0);
// Adds the buttons, enabled, in order, and sizes the toolbar to them. Its pictures are set first.
void AddToolbarButtons(HWND toolbar, std::initializer_list<ToolbarEntry> entries);

} // namespace quarl::win32ui
