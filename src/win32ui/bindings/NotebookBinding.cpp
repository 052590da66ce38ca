#include "win32ui/bindings/NotebookBinding.h"

namespace quarl::win32ui {

namespace {

class NotebookBinding final : public Binding {
public:
    NotebookBinding(const BindingSite& site, ui::Notebook& pages)
        : Binding(site, pages), pages_(pages) {}

private:
    HWND pageWindow(std::size_t page) const { return PageWindow(site_, page); }
    void reconcileContent(bool first) override {
        if (first)
            place();
        if (!first && active_ == pages_.pageIndex)
            return;
        active_ = pages_.pageIndex;
        for (std::size_t page = 0; page < pages_.pages.size(); ++page)
            if (HWND window = pageWindow(page))
                ShowWindow(window, static_cast<int>(page) == active_ ? SW_SHOWNA : SW_HIDE);
    }
    // The pages cover the area, above it in the window order (and so in the tab order).
    void place() const {
        RECT area;
        GetWindowRect(site_.window, &area);
        MapWindowPoints(nullptr, site_.dialog, reinterpret_cast<POINT*>(&area), 2);
        PlacePages(site_, pages_.pages.size(), area);
    }

    ui::Notebook& pages_;
    int active_ = -1;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Notebook& control) {
    return std::make_unique<NotebookBinding>(site, control);
}

} // namespace quarl::win32ui
