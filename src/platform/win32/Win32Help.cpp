#include "platform/win32/Win32Help.h"

#include "platform/win32/Text.h"

#include <algorithm>

namespace quarl::platform::win32 {

namespace {

constexpr int kMargin = 6;
constexpr int kWidth = 280;

} // namespace

Win32Help::Win32Help(PopupText popupText, HelpPages pages)
    : popupText_(std::move(popupText)), pages_(std::move(pages)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DROPSHADOW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when a second service registers it again
}

Win32Help::~Win32Help() {
    if (popup_)
        DestroyWindow(popup_);
    if (font_)
        DeleteObject(font_);
}

void Win32Help::showPopup(const std::string&, int context) {
    if (popup_)
        DestroyWindow(popup_);
    const auto text = Widen(popupText_ ? popupText_(context) : std::string());
    if (text.empty())
        return;
    if (!font_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        font_ = CreateFontIndirectW(&metrics.lfStatusFont);
    }
    // The text's height at the pop-up's width decides the window's.
    HDC dc = GetDC(nullptr);
    const auto previous = SelectObject(dc, font_);
    RECT bounds{0, 0, kWidth - 2 * kMargin, 0};
    DrawTextW(dc, text.c_str(), -1, &bounds, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    RECT frame{0, 0, kWidth, bounds.bottom + 2 * kMargin};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);

    // Below the pointer, kept on its screen.
    POINT at;
    GetCursorPos(&at);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    int left = std::max<int>(area.left, std::min<int>(at.x - width / 2, area.right - width));
    int top = at.y + 16;
    if (top + height > area.bottom)
        top = std::max<int>(area.top, at.y - 8 - height);

    popup_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, text.c_str(),
                             WS_POPUP | WS_BORDER, left, top, width, height, GetActiveWindow(),
                             nullptr, GetModuleHandleW(nullptr), this);
    if (popup_)
        ShowWindow(popup_, SW_SHOW);
}

LRESULT CALLBACK Win32Help::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* help = reinterpret_cast<Win32Help*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT rect;
        GetClientRect(hwnd, &rect);
        InflateRect(&rect, -kMargin, -kMargin);
        const auto previous = SelectObject(dc, help->font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
        DrawTextW(dc, text.c_str(), -1, &rect, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, previous);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            DestroyWindow(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: DestroyWindow(hwnd); return 0;
    case WM_NCDESTROY:
        if (help && help->popup_ == hwnd)
            help->popup_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace quarl::platform::win32
