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
    HWND findItem(int id) const override;
    void onCreate() override;
    void onDpiChanged() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    void createPages();
    void layOut();
    void bindControls();
    template <class Model> void add(int id, Model& control) {
        bind(id, control);
        bound_.emplace_back(id, &control);
    }
    void addTooltips();

    settings::SettingsForm& form_;
    std::array<HWND, 8> pages_{};
    std::vector<std::pair<int, const ui::Control*>> bound_;
    HWND tooltips_ = nullptr;
    int pagesDpi_ = 96; // the scale the pages' controls are laid out for
};

} // namespace quarl::win32ui
