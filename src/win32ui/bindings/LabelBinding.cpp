#include "win32ui/bindings/LabelBinding.h"

namespace quarl::win32ui {

namespace {

class LabelBinding final : public Binding {
public:
    LabelBinding(const BindingSite& site, ui::Label& label) : Binding(site, label), label_(label) {}
    ~LabelBinding() override {
        if (bold_)
            DeleteObject(bold_);
    }
    void notify(int code) override {
        if (code == STN_DBLCLK && label_.onDoubleClick)
            label_.onDoubleClick();
    }
    bool message(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        return message == WM_CTLCOLORSTATIC &&
               background_.paint(label_.color, reinterpret_cast<HDC>(wParam), result);
    }

private:
    void reconcileContent(bool) override {
        pushText(label_.caption);
        if (color_ != label_.color) {
            color_ = label_.color;
            InvalidateRect(site_.window, nullptr, TRUE);
        }
        pushBold();
    }
    // A bold font made from the one the window has; made again when the window was given
    // another (a change of screen scale sets every control's font).
    void pushBold() {
        // Most labels are never bold: nothing to ask the control for.
        if (!label_.bold && !bold_)
            return;
        const auto current = reinterpret_cast<HFONT>(SendMessageW(site_.window, WM_GETFONT, 0, 0));
        if (label_.bold == (bold_ && current == bold_))
            return;
        if (!label_.bold) {
            SendMessageW(site_.window, WM_SETFONT, reinterpret_cast<WPARAM>(plain_), TRUE);
            return;
        }
        LOGFONTW font{};
        GetObjectW(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        font.lfWeight = FW_BOLD;
        plain_ = current;
        const HFONT previous = bold_;
        bold_ = CreateFontIndirectW(&font);
        SendMessageW(site_.window, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), TRUE);
        if (previous)
            DeleteObject(previous);
    }

    ui::Label& label_;
    BackgroundBrush background_;
    std::optional<ui::Color> color_;
    HFONT plain_ = nullptr;
    HFONT bold_ = nullptr;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Label& control) {
    return std::make_unique<LabelBinding>(site, control);
}

} // namespace quarl::win32ui
