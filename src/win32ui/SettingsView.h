#pragma once

#include "win32ui/FormView.h"

#include <array>
#include <utility>
#include <vector>

namespace quarl::settings {
class SettingsForm;
}

namespace quarl::win32ui {

// The settings window: a tab control whose pages are child dialogs of their own, made with the
// window; their controls are bound like the window's. Tool tips show the controls' hints, F1
// opens the help of the focused control or the page shown.
class SettingsView final : public FormView {
public:
    SettingsView(ViewHost& host, settings::SettingsForm& form);

protected:
    void onCreate() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void createPages();
    void layOut();
    void bindControls();
    template <class Model> void add(int id, Model& control) {
        bind(id, control);
        bound_.emplace_back(id, &control);
    }
    void addTooltips();

    settings::SettingsForm& form_;
    std::vector<std::pair<int, const ui::Control*>> bound_;
    HWND tooltips_ = nullptr;
};

} // namespace quarl::win32ui
