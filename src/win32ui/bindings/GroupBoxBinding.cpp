#include "win32ui/bindings/GroupBoxBinding.h"

namespace quarl::win32ui {

namespace {

class GroupBoxBinding final : public Binding {
public:
    GroupBoxBinding(const BindingSite& site, ui::GroupBox& box) : Binding(site, box), box_(box) {}

private:
    void reconcileContent(bool) override { pushText(box_.caption); }
    ui::GroupBox& box_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::GroupBox& control) {
    return std::make_unique<GroupBoxBinding>(site, control);
}

} // namespace quarl::win32ui
