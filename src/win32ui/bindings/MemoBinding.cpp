#include "win32ui/bindings/MemoBinding.h"

namespace quarl::win32ui {

namespace {

class MemoBinding final : public Binding {
public:
    MemoBinding(const BindingSite& site, ui::Memo& memo) : Binding(site, memo), memo_(memo) {}
    void pull() override {
        if (memo_.readOnly)
            return;
        text_ = WindowText(site_.window);
        memo_.text = text_;
    }

private:
    void reconcileContent(bool first) override {
        if (first || readOnly_ != memo_.readOnly) {
            readOnly_ = memo_.readOnly;
            SendMessageW(site_.window, EM_SETREADONLY, readOnly_, 0);
        }
        if (first || scrollBar_ != memo_.verticalScrollBar) {
            scrollBar_ = memo_.verticalScrollBar;
            ShowScrollBar(site_.window, SB_VERT, scrollBar_);
        }
        pushText(memo_.text);
    }
    ui::Memo& memo_;
    bool readOnly_ = false;
    bool scrollBar_ = false;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Memo& control) {
    return std::make_unique<MemoBinding>(site, control);
}

} // namespace quarl::win32ui
