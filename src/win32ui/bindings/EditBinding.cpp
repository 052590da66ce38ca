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

    bool message(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            return background_.paint(edit_.color, reinterpret_cast<HDC>(wParam), result);
        default: return false;
        }
    }

private:
    void reconcileContent(bool first) override {
        if (color_ != edit_.color) {
            color_ = edit_.color;
            InvalidateRect(site_.window, nullptr, TRUE);
        }
        if (first || maxLength_ != edit_.maxLength) {
            maxLength_ = edit_.maxLength;
            SendMessageW(site_.window, EM_LIMITTEXT, edit_.maxLength, 0);
        }
        pushText(edit_.text);
    }
    ui::Edit& edit_;
    std::size_t maxLength_ = 0;
    std::optional<ui::Color> color_;
    BackgroundBrush background_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Edit& control) {
    return std::make_unique<EditBinding>(site, control);
}

} // namespace quarl::win32ui
