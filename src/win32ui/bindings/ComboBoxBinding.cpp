#include "win32ui/bindings/ComboBoxBinding.h"

#include "platform/win32/Text.h"

namespace quarl::win32ui {

namespace {

class ComboBoxBinding final : public Binding {
public:
    ComboBoxBinding(const BindingSite& site, ui::ComboBox& combo)
        : Binding(site, combo), combo_(combo) {}
    void notify(int code) override {
        if (code == CBN_EDITCHANGE) {
            pull();
        } else if (code == CBN_SELCHANGE) {
            const auto index = SendMessageW(site_.window, CB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<std::size_t>(index) < combo_.items.size()) {
                combo_.choose(static_cast<int>(index));
                text_ = combo_.text;
            }
        }
    }
    // What the player typed (or another program set); a pick-only list's text is its chosen
    // item.
    void pull() override {
        if (!combo_.editable)
            return;
        text_ = WindowText(site_.window);
        if (combo_.enabled && combo_.visible)
            combo_.type(text_);
        else
            combo_.text = text_;
    }

    bool message(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            return background_.paint(combo_.color, reinterpret_cast<HDC>(wParam), result);
        default: return false;
        }
    }

private:
    void reconcileContent(bool first) override {
        if (color_ != combo_.color) {
            color_ = combo_.color;
            InvalidateRect(site_.window, nullptr, TRUE);
        }
        if (first || items_ != combo_.items) {
            items_ = combo_.items;
            SendMessageW(site_.window, CB_RESETCONTENT, 0, 0);
            for (const auto& item : combo_.items)
                SendMessageW(site_.window, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(platform::win32::Widen(item).c_str()));
            text_ = "\x01"; // the list reset cleared the edit field: push the text again
        }
        if (combo_.editable) {
            pushText(combo_.text);
        } else if (text_ != combo_.text) {
            // A pick-only list shows an item only by selecting it: its text cannot be set.
            text_ = combo_.text;
            SendMessageW(site_.window, CB_SETCURSEL, static_cast<WPARAM>(combo_.itemIndex()), 0);
        }
    }
    ui::ComboBox& combo_;
    std::vector<std::string> items_;
    std::optional<ui::Color> color_;
    BackgroundBrush background_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ComboBox& control) {
    return std::make_unique<ComboBoxBinding>(site, control);
}

} // namespace quarl::win32ui
