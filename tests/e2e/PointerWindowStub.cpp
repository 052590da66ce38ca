// Stands in for the mouse software's pointer window: a top-level window of class "POINTEXE"
// titled "Pointer.exe Invisible Window" that appends every message in the mouse software's
// range it receives to the file named by its first argument, one "message wParam lParam" line
// each. It ends on WM_CLOSE.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_log;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= 0x400 && message < 0x500) {
        if (FILE* file = _wfopen(g_log.c_str(), L"ab")) {
            std::fprintf(file, "%X %X %ld\r\n", message, static_cast<unsigned>(wParam),
                         static_cast<long>(lParam));
            std::fclose(file);
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count < 2)
        return 2;
    g_log = arguments[1];
    LocalFree(arguments);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"POINTEXE";
    RegisterClassW(&windowClass);
    CreateWindowW(L"POINTEXE", L"Pointer.exe Invisible Window", WS_OVERLAPPED, 0, 0, 10, 10,
                  nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
