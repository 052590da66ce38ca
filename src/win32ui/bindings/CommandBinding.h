#pragma once

#include "ui/Controls.h"

#include <windows.h>

namespace quarl::win32ui {

enum class CommandKind { Menu, Toolbar };

// A menu item or toolbar button of a window: enabled while its model command is available
// (enabled, and with a reaction); a click runs the command.
class CommandBinding {
public:
    CommandBinding(int id, ui::Button& command, CommandKind kind)
        : id_(id), command_(command), kind_(kind) {}

    int id() const { return id_; }
    ui::Button& command() const { return command_; }
    void reconcile(HWND window, HWND toolbar);

private:
    int id_;
    ui::Button& command_;
    CommandKind kind_;
    int enabled_ = -1;
};

} // namespace quarl::win32ui
