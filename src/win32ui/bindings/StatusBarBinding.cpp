#include "win32ui/bindings/StatusBarBinding.h"

#include "platform/win32/Text.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

class StatusBarBinding final : public Binding {
public:
    StatusBarBinding(const BindingSite& site, ui::StatusBar& bar) : Binding(site, bar), bar_(bar) {}

private:
    void reconcileContent(bool first) override {
        if (!first && shown_ == bar_.text)
            return;
        shown_ = bar_.text;
        SendMessageW(site_.window, SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(platform::win32::Widen(bar_.text).c_str()));
    }
    ui::StatusBar& bar_;
    std::string shown_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::StatusBar& control) {
    return std::make_unique<StatusBarBinding>(site, control);
}

} // namespace quarl::win32ui
