#include "win32ui/bindings/ListBoxBinding.h"

#include "platform/win32/Text.h"

#include <vector>

namespace quarl::win32ui {

namespace {

class ListBoxBinding final : public Binding {
public:
    ListBoxBinding(const BindingSite& site, ui::ListBox& list)
        : Binding(site, list), list_(list),
          multiSelect_((GetWindowLongW(site.window, GWL_STYLE) & LBS_EXTENDEDSEL) != 0) {}

    void notify(int code) override {
        if (code == LBN_SELCHANGE) {
            pullSelection();
            if (list_.onClick)
                list_.onClick();
        } else if (code == LBN_DBLCLK && list_.onDoubleClick) {
            list_.onDoubleClick();
        }
    }

private:
    void reconcileContent(bool) override;
    void pullSelection();
    void recreate(bool multiSelect);
    std::vector<bool> modelSelection() const {
        std::vector<bool> selected(list_.items().size());
        for (std::size_t i = 0; i < selected.size(); ++i)
            selected[i] = list_.isSelected(i);
        return selected;
    }

    ui::ListBox& list_;
    bool multiSelect_;
    bool filled_ = false;
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
};

void ListBoxBinding::recreate(bool multiSelect) {
    // A list box's selection mode is fixed when it is created: make a new one in its place.
    const HWND old = site_.window;
    RECT rect;
    GetWindowRect(old, &rect);
    MapWindowPoints(nullptr, site_.dialog, reinterpret_cast<POINT*>(&rect), 2);
    LONG style = GetWindowLongW(old, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(old, GWL_EXSTYLE);
    style = multiSelect ? (style | LBS_EXTENDEDSEL) : (style & ~LBS_EXTENDEDSEL);
    const auto font = SendMessageW(old, WM_GETFONT, 0, 0);
    const HWND previous = GetWindow(old, GW_HWNDPREV);
    DestroyWindow(old);
    site_.window =
        CreateWindowExW(exStyle, L"LISTBOX", L"", static_cast<DWORD>(style), rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, site_.dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(site_.id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(site_.window, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    SetWindowPos(site_.window, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableWindow(site_.window, list_.enabled);
    multiSelect_ = multiSelect;
    filled_ = false;
}

void ListBoxBinding::reconcileContent(bool) {
    if (multiSelect_ != list_.multiSelect())
        recreate(list_.multiSelect());
    const bool refill = !filled_ || items_ != list_.items();
    if (refill) {
        filled_ = true;
        items_ = list_.items();
        SendMessageW(site_.window, LB_RESETCONTENT, 0, 0);
        for (const auto& item : items_)
            SendMessageW(site_.window, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(platform::win32::Widen(item).c_str()));
        selected_.assign(items_.size(), false);
        itemIndex_ = -1;
    }
    auto selected = modelSelection();
    if (!refill && selected == selected_ && itemIndex_ == list_.itemIndex())
        return;
    if (list_.multiSelect()) {
        for (std::size_t i = 0; i < selected.size(); ++i)
            SendMessageW(site_.window, LB_SETSEL, selected[i], static_cast<LPARAM>(i));
        if (list_.itemIndex() >= 0)
            SendMessageW(site_.window, LB_SETCARETINDEX, static_cast<WPARAM>(list_.itemIndex()),
                         FALSE);
    } else {
        SendMessageW(site_.window, LB_SETCURSEL, static_cast<WPARAM>(list_.itemIndex()), 0);
    }
    selected_ = std::move(selected);
    itemIndex_ = list_.itemIndex();
}

void ListBoxBinding::pullSelection() {
    if (list_.multiSelect()) {
        list_.setItemIndex(static_cast<int>(SendMessageW(site_.window, LB_GETCARETINDEX, 0, 0)));
        for (std::size_t i = 0; i < list_.items().size(); ++i)
            list_.setSelected(i, SendMessageW(site_.window, LB_GETSEL, i, 0) > 0);
    } else {
        list_.setItemIndex(static_cast<int>(SendMessageW(site_.window, LB_GETCURSEL, 0, 0)));
    }
    selected_ = modelSelection();
    itemIndex_ = list_.itemIndex();
}

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::ListBox& control) {
    return std::make_unique<ListBoxBinding>(site, control);
}

} // namespace quarl::win32ui
