// For pictures of the settings window: waits for the launcher's main window, opens the settings
// window from its menu and moves the tabs right by the number given as the first argument, as
// the arrow keys do. Ends with 0 once the page is chosen, 1 when a window did not appear.
#include "win32ui/MainViewIds.h"
#include "win32ui/SettingsViewIds.h"

#include <windows.h>
#include <commctrl.h>
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

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const int page = count > 1 ? static_cast<int>(std::wcstol(arguments[1], nullptr, 10)) : 0;
    LocalFree(arguments);

    const HWND main = WaitForWindow(L"Quarl Launcher");
    if (!main)
        return 1;
    Sleep(500); // the first paint's work
    PostMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
    const HWND settings = WaitForWindow(L"Game Settings. . .");
    if (!settings)
        return 1;
    const HWND tab = GetDlgItem(settings, IDC_TAB_SETTINGS);
    for (int step = 0; step < page; ++step)
        PostMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
    return 0;
}
