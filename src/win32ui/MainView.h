#pragma once

#include "win32ui/FormView.h"

#include <commctrl.h>

namespace quarl::app {
class Launcher;
}

namespace quarl::win32ui {

// The main window: the dialog, plus the toolbar and status bar made in code.
class MainView final : public FormView {
public:
    MainView(ViewHost& host, app::Launcher& launcher);
    // False when start-up decided that the process ends at once.
    bool carryOn() const { return carryOn_; }

protected:
    void onCreate() override;
    void onClosed() override;
    void onDpiChanged() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void createToolbar();
    void setToolbarImages();
    void createStatusBar();
    void sizeWindow();
    void sizeBars();
    void bindControls();

    app::Launcher& launcher_;
    HWND statusBar_ = nullptr;
    HIMAGELIST images_ = nullptr;
    bool carryOn_ = true;
};

} // namespace quarl::win32ui
