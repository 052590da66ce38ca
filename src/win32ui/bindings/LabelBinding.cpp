#include "win32ui/bindings/LabelBinding.h"

namespace quarl::win32ui {

namespace {

class LabelBinding final : public Binding {
public:
    LabelBinding(const BindingSite& site, ui::Label& label) : Binding(site, label), label_(label) {}
    void notify(int code) override {
        if (code == STN_DBLCLK && label_.onDoubleClick)
            label_.onDoubleClick();
    }

private:
    void reconcileContent(bool) override { pushText(label_.caption); }
    ui::Label& label_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Label& control) {
    return std::make_unique<LabelBinding>(site, control);
}

} // namespace quarl::win32ui
