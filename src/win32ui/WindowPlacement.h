#pragma once

#include "app/WindowPosition.h"
#include "config/ConfigStore.h"

#include <windows.h>

#include <optional>

namespace quarl::win32ui {

// The Win32 side of a window's remembered position: it reads the window placement and the
// monitors for the rules in app/WindowPosition and applies what they decide.
class PlacementKeeper {
public:
    PlacementKeeper(config::ConfigStore& store, const app::PositionKeeper& keeper)
        : store_(store), keeper_(keeper) {}

    // When the window has been created: the stored position. A hidden window stays hidden; its
    // stored state waits for its first showing.
    void restore(HWND window);
    // The window's first showing, in its stored state.
    void showFirst(HWND window) const;
    // When the window is being destroyed: its normal rectangle and state.
    void save(HWND window) const;

private:
    config::ConfigStore& store_;
    app::PositionKeeper keeper_;
    std::optional<app::ShowState> state_;
    bool restoreToMaximised_ = false;
};

} // namespace quarl::win32ui
