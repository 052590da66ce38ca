#include "win32ui/bindings/ImageBinding.h"

namespace quarl::win32ui {

namespace {

class ImageBinding final : public Binding {
public:
    ImageBinding(const BindingSite& site, ui::Image& image) : Binding(site, image), image_(image) {}
    void notify(int code) override {
        if (code == STN_DBLCLK && image_.onDoubleClick)
            image_.onDoubleClick();
    }

private:
    void reconcileContent(bool first) override {
        if (first || picture_ != image_.picture) {
            picture_ = image_.picture;
            InvalidateRect(site_.window, nullptr, FALSE);
        }
    }
    ui::Image& image_;
    std::string picture_;
};

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Image& control) {
    return std::make_unique<ImageBinding>(site, control);
}

} // namespace quarl::win32ui
