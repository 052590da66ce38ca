#include "win32ui/bindings/CheckBoxBinding.h"

namespace quarl::win32ui {

namespace {

class CheckBoxBinding final : public Binding {
public:
    CheckBoxBinding(const BindingSite& site, ui::CheckBox& box) : Binding(site, box), box_(box) {}
    void notify(int code) override {
        if (code == BN_CLICKED)
            box_.click();
    }

private:
    void reconcileContent(bool) override {
        pushText(box_.caption);
        pushCheck(box_.checked());
    }
    ui::CheckBox& box_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::CheckBox& control) {
    return std::make_unique<CheckBoxBinding>(site, control);
}

} // namespace quarl::win32ui
