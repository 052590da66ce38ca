#include "win32ui/bindings/PageControlBinding.h"

#include "platform/win32/Text.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

class PageControlBinding final : public Binding {
public:
    PageControlBinding(const BindingSite& site, ui::PageControl& pages)
        : Binding(site, pages), pages_(pages) {}
    bool message(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
        if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != TCN_SELCHANGE)
            return false;
        pages_.setActivePage(static_cast<int>(SendMessageW(site_.window, TCM_GETCURSEL, 0, 0)));
        result = 0;
        return true;
    }

private:
    HWND pageWindow(std::size_t page) const { return PageWindow(site_, page); }
    void reconcileContent(bool first) override {
        if (first) {
            fill();
            place();
        } else {
            for (std::size_t page = 0; page < pages_.pages.size(); ++page)
                if (captions_[page] != pages_.pages[page]->caption)
                    setCaption(page, false);
        }
        if (first || active_ != pages_.activePageIndex()) {
            active_ = pages_.activePageIndex();
            SendMessageW(site_.window, TCM_SETCURSEL, static_cast<WPARAM>(active_), 0);
            for (std::size_t page = 0; page < pages_.pages.size(); ++page)
                if (HWND window = pageWindow(page))
                    ShowWindow(window, static_cast<int>(page) == active_ ? SW_SHOWNA : SW_HIDE);
        }
    }
    void fill() {
        SendMessageW(site_.window, TCM_DELETEALLITEMS, 0, 0);
        captions_.assign(pages_.pages.size(), {});
        for (std::size_t page = 0; page < pages_.pages.size(); ++page)
            setCaption(page, true);
    }
    void setCaption(std::size_t page, bool insert) {
        captions_[page] = pages_.pages[page]->caption;
        auto text = platform::win32::Widen(captions_[page]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(site_.window, insert ? TCM_INSERTITEMW : TCM_SETITEMW, page,
                     reinterpret_cast<LPARAM>(&item));
    }
    // The pages cover the tab control's display area, above it in the window order.
    void place() const {
        RECT area;
        GetClientRect(site_.window, &area);
        SendMessageW(site_.window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        MapWindowPoints(site_.window, site_.dialog, reinterpret_cast<POINT*>(&area), 2);
        PlacePages(site_, pages_.pages.size(), area);
    }

    ui::PageControl& pages_;
    std::vector<std::string> captions_;
    int active_ = -1;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::PageControl& control) {
    return std::make_unique<PageControlBinding>(site, control);
}

} // namespace quarl::win32ui
