#include "win32ui/bindings/EditBinding.h"

namespace quarl::win32ui {

namespace {

class EditBinding final : public Binding {
public:
    EditBinding(const BindingSite& site, ui::Edit& edit) : Binding(site, edit), edit_(edit) {}
    // Typing is a change like any other: the model's change reaction runs.
    void notify(int code) override {
        if (code == EN_CHANGE)
            pull();
    }
    void pull() override {
        text_ = WindowText(site_.window);
        edit_.setText(text_);
    }

private:
    void reconcileContent(bool first) override {
        if (first || maxLength_ != edit_.maxLength) {
            maxLength_ = edit_.maxLength;
            SendMessageW(site_.window, EM_LIMITTEXT, edit_.maxLength, 0);
        }
        pushText(edit_.text);
    }
    ui::Edit& edit_;
    std::size_t maxLength_ = 0;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Edit& control) {
    return std::make_unique<EditBinding>(site, control);
}

} // namespace quarl::win32ui
