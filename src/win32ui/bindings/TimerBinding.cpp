#include "win32ui/bindings/TimerBinding.h"

namespace quarl::win32ui {

void TimerBinding::reconcile(HWND window) {
    const bool run = timer_.enabled && timer_.interval > 0;
    const bool restarted = starts_ != timer_.starts();
    starts_ = timer_.starts();
    if (run == running_ && (!run || (interval_ == timer_.interval && !restarted)))
        return;
    if (run)
        SetTimer(window, id_, timer_.interval, nullptr);
    else
        KillTimer(window, id_);
    running_ = run;
    interval_ = timer_.interval;
}

} // namespace quarl::win32ui
