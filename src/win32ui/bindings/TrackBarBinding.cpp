#include "win32ui/bindings/TrackBarBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

class TrackBarBinding final : public Binding {
public:
    TrackBarBinding(const BindingSite& site, ui::TrackBar& bar) : Binding(site, bar), bar_(bar) {}
    bool message(UINT message, WPARAM, LPARAM, INT_PTR& result) override {
        if (message != WM_HSCROLL && message != WM_VSCROLL)
            return false;
        position_ = static_cast<int>(SendMessageW(site_.window, TBM_GETPOS, 0, 0));
        bar_.setPosition(position_);
        result = 0;
        return true;
    }

private:
    void reconcileContent(bool first) override {
        if (first || min_ != bar_.min || max_ != bar_.max) {
            min_ = bar_.min;
            max_ = bar_.max;
            SendMessageW(site_.window, TBM_SETRANGEMIN, FALSE, min_);
            SendMessageW(site_.window, TBM_SETRANGEMAX, TRUE, max_);
            position_ = min_ - 1; // the range may have moved the thumb
        }
        if (first || frequency_ != bar_.frequency) {
            frequency_ = bar_.frequency;
            SendMessageW(site_.window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
        }
        if (position_ != bar_.position()) {
            position_ = bar_.position();
            SendMessageW(site_.window, TBM_SETPOS, TRUE, position_);
        }
    }
    ui::TrackBar& bar_;
    int min_ = 0;
    int max_ = 0;
    int frequency_ = 0;
    int position_ = 0;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::TrackBar& control) {
    return std::make_unique<TrackBarBinding>(site, control);
}

} // namespace quarl::win32ui
