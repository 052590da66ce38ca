#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace quarl::app {
class Launcher;
}

namespace quarl::launch {

// frmResume: waits, after a launch, for the player to come back from the game.
class ResumeForm final : public ui::Form {
public:
    explicit ResumeForm(app::Launcher& launcher);

    ui::Label lblLine1{"lblLine1"};
    ui::Label lblLine2{"lblLine2"};
    ui::Button btnResume{"btnResume"};

    void btnResumeClick();

protected:
    // Closing the window is pressing "&Resume": the main window must not stay disabled.
    bool FormCloseQuery() override;

private:
    app::Launcher& launcher_;
};

} // namespace quarl::launch
