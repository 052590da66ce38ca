#include "win32ui/bindings/LinkBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

class LinkBinding final : public Binding {
public:
    LinkBinding(const BindingSite& site, ui::Link& link) : Binding(site, link), link_(link) {}

    bool message(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
        if (message != WM_NOTIFY)
            return false;
        const auto code = reinterpret_cast<const NMHDR*>(lParam)->code;
        if (code != NM_CLICK && code != NM_RETURN)
            return false;
        link_.click();
        result = 0;
        return true;
    }

private:
    // The whole caption is the link; an inactive one is plain text.
    void reconcileContent(bool) override {
        pushText(link_.active ? "<a>" + link_.caption + "</a>" : link_.caption);
    }
    ui::Link& link_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Link& control) {
    return std::make_unique<LinkBinding>(site, control);
}

} // namespace quarl::win32ui
