#include "win32ui/bindings/Binding.h"

#include "platform/win32/Text.h"

#include <algorithm>

namespace quarl::win32ui {

using platform::win32::Narrow;
using platform::win32::Widen;

HWND PageWindow(const BindingSite& site, std::size_t page) {
    return GetDlgItem(site.dialog, site.id + 1 + static_cast<int>(page));
}

void PlacePages(const BindingSite& site, std::size_t count, const RECT& area) {
    HWND after = site.window;
    for (std::size_t page = 0; page < count; ++page) {
        HWND window = PageWindow(site, page);
        if (!window)
            continue;
        SetWindowPos(window, after, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
        after = window;
    }
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    return Narrow(text);
}

Binding::Binding(const BindingSite& site, ui::Control& control)
    : site_(site), text_(WindowText(site.window)), control_(control) {}

void Binding::reconcile() {
    const bool first = !pushed_;
    if (first || enabled_ != control_.enabled) {
        enabled_ = control_.enabled;
        EnableWindow(site_.window, enabled_);
    }
    if (showsItself() && (first || visible_ != control_.visible)) {
        visible_ = control_.visible;
        ShowWindow(site_.window, visible_ ? SW_SHOWNA : SW_HIDE);
    }
    pushed_ = true;
    reconcileContent(first);
}

void Binding::pushText(const std::string& text) {
    if (text_ == text)
        return;
    text_ = text;
    if (WindowText(site_.window) != text)
        SetWindowTextW(site_.window, Widen(text).c_str());
}

BackgroundBrush::~BackgroundBrush() {
    if (brush_)
        DeleteObject(brush_);
}

bool BackgroundBrush::paint(std::optional<ui::Color> color, HDC dc, INT_PTR& result) {
    if (!color)
        return false;
    if (!brush_ || color_ != *color) {
        if (brush_)
            DeleteObject(brush_);
        color_ = *color;
        brush_ = CreateSolidBrush(RGB((color_ >> 16) & 0xFF, (color_ >> 8) & 0xFF, color_ & 0xFF));
    }
    SetBkColor(dc, RGB((color_ >> 16) & 0xFF, (color_ >> 8) & 0xFF, color_ & 0xFF));
    result = reinterpret_cast<INT_PTR>(brush_);
    return true;
}

void Binding::pushCheck(bool checked) {
    const int check = checked ? BST_CHECKED : BST_UNCHECKED;
    if (check_ == check)
        return;
    check_ = check;
    SendMessageW(site_.window, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

} // namespace quarl::win32ui
