#include "win32ui/bindings/ButtonBinding.h"

namespace quarl::win32ui {

namespace {

class ButtonBinding final : public Binding {
public:
    ButtonBinding(const BindingSite& site, ui::Button& button)
        : Binding(site, button), button_(button) {}
    void notify(int code) override {
        if (code == BN_CLICKED)
            button_.click();
    }

private:
    void reconcileContent(bool) override { pushText(button_.caption); }
    ui::Button& button_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Button& control) {
    return std::make_unique<ButtonBinding>(site, control);
}

} // namespace quarl::win32ui
