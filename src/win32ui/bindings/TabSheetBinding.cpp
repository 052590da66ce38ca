#include "win32ui/bindings/TabSheetBinding.h"

namespace quarl::win32ui {

namespace {

class TabSheetBinding final : public Binding {
public:
    TabSheetBinding(const BindingSite& site, ui::TabSheet& page) : Binding(site, page) {}

private:
    void reconcileContent(bool) override {}
    bool showsItself() const override { return false; }
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::TabSheet& control) {
    return std::make_unique<TabSheetBinding>(site, control);
}

} // namespace quarl::win32ui
