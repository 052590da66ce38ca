#pragma once

#include "ui/Controls.h"

#include <windows.h>

namespace quarl::win32ui {

// A window timer running while its model timer is enabled, at the model's interval. A timer
// the model restarted counts its interval from the restart.
class TimerBinding {
public:
    TimerBinding(UINT_PTR id, ui::Timer& timer) : id_(id), timer_(timer) {}

    UINT_PTR id() const { return id_; }
    void tick() { timer_.tick(); }
    void reconcile(HWND window);

private:
    UINT_PTR id_;
    ui::Timer& timer_;
    bool running_ = false;
    unsigned interval_ = 0;
    unsigned starts_ = 0;
};

} // namespace quarl::win32ui
