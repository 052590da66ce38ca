#pragma once

#include "win32ui/FormView.h"

namespace quarl::mods {
class ModInfoForm;
}

namespace quarl::win32ui {

// The Mod Information window: the mod's name, version, makers and support link, and its
// description.
class ModInfoView final : public FormView {
public:
    ModInfoView(ViewHost& host, mods::ModInfoForm& form);

protected:
    void onCreate() override;

private:
    mods::ModInfoForm& form_;
};

} // namespace quarl::win32ui
