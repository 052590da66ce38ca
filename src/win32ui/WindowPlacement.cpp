#include "win32ui/WindowPlacement.h"

namespace quarl::win32ui {

namespace {

app::Rect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<app::Rect>*>(list)->push_back(ToRect(info.rcMonitor));
    return TRUE;
}

app::Screens CurrentScreens() {
    app::Screens screens;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) {
        screens.primary = ToRect(info.rcMonitor);
        screens.primaryWorkArea = ToRect(info.rcWork);
    }
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&screens.monitors));
    return screens;
}

} // namespace

void PlacementKeeper::restore(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement))
        return;
    const auto normal = ToRect(placement.rcNormalPosition);
    const auto restored = app::RestorePosition(app::ReadStoredPosition(store_, keeper_), keeper_,
                                               normal.width(), normal.height(), CurrentScreens());
    if (!restored)
        return;
    state_ = restored->state;
    restoreToMaximised_ = restored->restoreToMaximised;
    OffsetRect(&placement.rcNormalPosition, restored->left - normal.left,
               restored->top - normal.top);
    placement.flags = 0;
    placement.showCmd = IsWindowVisible(window) ? SW_SHOWNOACTIVATE : SW_HIDE;
    SetWindowPlacement(window, &placement);
}

void PlacementKeeper::showFirst(HWND window) const {
    if (state_ == app::ShowState::Maximised) {
        ShowWindow(window, SW_SHOWMAXIMIZED);
    } else if (state_ == app::ShowState::Minimised) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        placement.flags = restoreToMaximised_ ? WPF_RESTORETOMAXIMIZED : 0;
        placement.showCmd = SW_SHOWMINNOACTIVE;
        SetWindowPlacement(window, &placement);
    } else {
        ShowWindow(window, SW_SHOW);
    }
}

void PlacementKeeper::save(HWND window) const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement))
        return;
    const HWND main = GetAncestor(window, GA_ROOTOWNER);
    const auto application = IsIconic(main)   ? app::ShowState::Minimised
                             : IsZoomed(main) ? app::ShowState::Maximised
                                              : app::ShowState::Normal;
    app::WriteStoredPosition(store_, keeper_,
                             app::SavePosition(ToRect(placement.rcNormalPosition), application,
                                               IsZoomed(window) != FALSE));
}

} // namespace quarl::win32ui
