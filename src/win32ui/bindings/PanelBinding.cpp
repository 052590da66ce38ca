#include "win32ui/bindings/PanelBinding.h"

namespace quarl::win32ui {

namespace {

COLORREF ColorOf(ui::Color color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

class PanelBinding final : public Binding {
public:
    PanelBinding(const BindingSite& site, ui::Panel& panel) : Binding(site, panel), panel_(panel) {}
    PanelBinding(const PanelBinding&) = delete;
    PanelBinding& operator=(const PanelBinding&) = delete;
    ~PanelBinding() override {
        if (brush_)
            DeleteObject(brush_);
    }

    bool message(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        if (message != WM_CTLCOLORSTATIC)
            return false;
        if (!brush_ || brushColor_ != panel_.color) {
            if (brush_)
                DeleteObject(brush_);
            brushColor_ = panel_.color;
            brush_ = CreateSolidBrush(ColorOf(brushColor_));
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColorOf(panel_.textColor));
        SetBkColor(dc, ColorOf(panel_.color));
        result = reinterpret_cast<INT_PTR>(brush_);
        return true;
    }

private:
    void reconcileContent(bool first) override {
        pushText(panel_.caption);
        if (!first && (color_ != panel_.color || textColor_ != panel_.textColor))
            InvalidateRect(site_.window, nullptr, TRUE);
        color_ = panel_.color;
        textColor_ = panel_.textColor;
    }

    ui::Panel& panel_;
    HBRUSH brush_ = nullptr;
    ui::Color brushColor_ = 0;
    ui::Color color_ = 0;
    ui::Color textColor_ = 0;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Panel& control) {
    return std::make_unique<PanelBinding>(site, control);
}

} // namespace quarl::win32ui
