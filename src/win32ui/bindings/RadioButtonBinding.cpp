#include "win32ui/bindings/RadioButtonBinding.h"

namespace quarl::win32ui {

namespace {

class RadioButtonBinding final : public Binding {
public:
    RadioButtonBinding(const BindingSite& site, ui::RadioButton& radio)
        : Binding(site, radio), radio_(radio) {}
    void notify(int code) override {
        if (code == BN_CLICKED)
            radio_.click();
    }

private:
    void reconcileContent(bool) override {
        pushText(radio_.caption);
        pushCheck(radio_.selected());
    }
    ui::RadioButton& radio_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::RadioButton& control) {
    return std::make_unique<RadioButtonBinding>(site, control);
}

} // namespace quarl::win32ui
