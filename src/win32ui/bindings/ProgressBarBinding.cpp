#include "win32ui/bindings/ProgressBarBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

int ProgressBarStep(std::uint64_t position, std::uint64_t max) {
    if (max == 0)
        return 0;
    if (position >= max)
        return kProgressBarRange;
    // Byte counts of any size: the product below must not overflow 64 bits.
    while (max >> 40) {
        max >>= 1;
        position >>= 1;
    }
    return static_cast<int>(position * kProgressBarRange / max);
}

namespace {

class ProgressBarBinding final : public Binding {
public:
    ProgressBarBinding(const BindingSite& site, ui::ProgressBar& bar)
        : Binding(site, bar), bar_(bar) {}

private:
    void reconcileContent(bool first) override {
        if (first)
            SendMessageW(site_.window, PBM_SETRANGE32, 0, kProgressBarRange);
        const int step = ProgressBarStep(bar_.position, bar_.max);
        if (first || step != step_) {
            step_ = step;
            SendMessageW(site_.window, PBM_SETPOS, static_cast<WPARAM>(step_), 0);
        }
    }
    ui::ProgressBar& bar_;
    int step_ = 0;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ProgressBar& control) {
    return std::make_unique<ProgressBarBinding>(site, control);
}

} // namespace quarl::win32ui
