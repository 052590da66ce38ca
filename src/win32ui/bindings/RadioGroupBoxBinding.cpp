#include "win32ui/bindings/RadioGroupBoxBinding.h"

#include "platform/win32/Text.h"

#include <algorithm>

namespace quarl::win32ui {

namespace {

class RadioGroupBoxBinding final : public Binding {
public:
    RadioGroupBoxBinding(const BindingSite& site, ui::RadioGroupBox& group)
        : Binding(site, group), group_(group) {
        for (std::size_t item = 0; item < group.items.size(); ++item)
            if (HWND button = GetDlgItem(site.dialog, site.id + 1 + static_cast<int>(item)))
                buttons_.push_back(button);
    }
    bool owns(HWND window) const override {
        return window == site_.window ||
               std::find(buttons_.begin(), buttons_.end(), window) != buttons_.end();
    }
    void notifyFrom(HWND from, int code) override {
        const auto found = std::find(buttons_.begin(), buttons_.end(), from);
        if (code == BN_CLICKED && found != buttons_.end())
            group_.click(static_cast<int>(found - buttons_.begin()));
    }

private:
    void reconcileContent(bool first) override {
        pushText(group_.caption);
        if (first)
            for (std::size_t item = 0; item < buttons_.size() && item < group_.items.size(); ++item)
                SetWindowTextW(buttons_[item], platform::win32::Widen(group_.items[item]).c_str());
        if (first || index_ != group_.itemIndex()) {
            index_ = group_.itemIndex();
            for (std::size_t item = 0; item < buttons_.size(); ++item)
                SendMessageW(buttons_[item], BM_SETCHECK,
                             static_cast<int>(item) == index_ ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        if (first || enabled_ != group_.enabled) {
            enabled_ = group_.enabled;
            for (HWND button : buttons_)
                EnableWindow(button, enabled_);
        }
    }
    ui::RadioGroupBox& group_;
    std::vector<HWND> buttons_;
    bool enabled_ = true;
    int index_ = -1;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::RadioGroupBox& control) {
    return std::make_unique<RadioGroupBoxBinding>(site, control);
}

} // namespace quarl::win32ui
