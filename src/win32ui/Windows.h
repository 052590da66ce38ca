#pragma once

#include "win32ui/ViewHost.h"

#include <vector>

namespace quarl::app {
class Launcher;
}

namespace quarl::win32ui {

// A window after the main one: its form, how its view is made, and the form that owns it.
struct WindowEntry {
    ui::Form& form;
    ViewFactory makeView;
    ui::Form& owner;
};

// The launcher's windows after the main one, in their creation order. Each window's view is
// made when the window is first shown, so that a window never opened costs nothing.
std::vector<WindowEntry> SecondaryWindows(app::Launcher& launcher);

} // namespace quarl::win32ui
