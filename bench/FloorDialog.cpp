// The floors of the start-up and memory benchmarks: a bare Win32 dialog program, built and
// linked as the launcher is (static, no DLLs of its own), that shows one dialog until it is
// closed. Built three ways, each closer to the launcher, so that the start-up row shows where
// the launcher's time goes:
//   FloorDialog.exe    a bare dialog (user32's controls only)
//   FloorControls.exe  the same with Common Controls 6 (the launcher's manifest, the library
//                      loaded and initialised as the launcher does)
//   FloorTemplate.exe  the launcher's own main window template, shown by a bare program: its
//                      controls and menu, none of the launcher's code
#include <windows.h>
#ifdef QUARL_FLOOR_COMMON_CONTROLS
#include <commctrl.h>
#endif
#ifdef QUARL_FLOOR_TEMPLATE
#include "win32ui/MainViewIds.h"
#endif

namespace {

#ifdef QUARL_FLOOR_TEMPLATE
constexpr int kDialog = IDD_MAIN;
#else
constexpr int kDialog = 100;
#endif

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDOK)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
#ifdef QUARL_FLOOR_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
#endif
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(kDialog), nullptr, DialogProc, 0));
}
