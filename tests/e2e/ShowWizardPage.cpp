// For pictures of the Launch Tool and the wizard: waits for the launcher's main window, opens
// the one named by the first argument ("tool" or "wizard") from its menu and presses Next as
// many times as the second argument says. "join" opens Roger Wilco's Join Channel window from
// its button's drop-down menu, with an address typed. The wizard takes the Join way, so that every
// page is reached; the tool's Finish patches nothing. Ends with 0 once the page shows, 1 when a
// window did not appear.
#include "win32ui/JoinChannelViewIds.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/ToolViewIds.h"
#include "win32ui/WizardViewIds.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

HWND WaitForWindow(const wchar_t* caption) {
    for (int tries = 0; tries < 600; ++tries) {
        HWND window = FindWindowW(nullptr, caption);
        if (window && IsWindowVisible(window))
            return window;
        Sleep(100);
    }
    return nullptr;
}

// A control of the window or of one of its pages.
HWND Item(HWND window, int id) {
    if (HWND found = GetDlgItem(window, id))
        return found;
    for (HWND page = GetWindow(window, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
        if (HWND found = GetDlgItem(page, id))
            return found;
    return nullptr;
}

void Click(HWND window, int id) {
    SendMessageW(Item(window, id), BM_CLICK, 0, 0);
    Sleep(200);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool tool = count > 1 && std::wcscmp(arguments[1], L"tool") == 0;
    const bool join = count > 1 && std::wcscmp(arguments[1], L"join") == 0;
    const int steps = count > 2 ? static_cast<int>(std::wcstol(arguments[2], nullptr, 10)) : 0;
    LocalFree(arguments);

    const HWND main = WaitForWindow(L"Quarl Launcher");
    if (!main)
        return 1;
    Sleep(500); // the first paint's work
    if (join) {
        PostMessageW(main, WM_COMMAND, IDM_RW_JOIN, 0);
        const HWND window = WaitForWindow(L"Join Channel");
        if (!window)
            return 1;
        Sleep(300);
        SendMessageW(GetDlgItem(window, IDC_CB_JOINSERVER), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"127.0.0.1/clan"));
        return 0;
    }
    PostMessageW(main, WM_COMMAND, tool ? IDM_LAUNCHTOOL : IDM_WIZARD, 0);
    const HWND window = WaitForWindow(tool ? L"Launcher Tool" : L"Quarl Launcher Wizard");
    if (!window)
        return 1;
    Sleep(300);
    for (int step = 0; step < steps; ++step) {
        if (!tool && step == 2)
            Click(window, IDC_RB_WIZJOIN);
        if (!tool && step == 3)
            SendMessageW(Item(window, IDC_CB_WIZADDRESS), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(L"192.168.1.20"));
        Click(window, tool ? IDC_BTN_TOOL_NEXT : IDC_BTN_WIZ_NEXT);
    }
    return 0;
}
