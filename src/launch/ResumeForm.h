#pragma once

#include "config/ConfigStore.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace quarl::launch {

// frmResume: waits, after a launch, for the player to come back from the game. Shown over the
// main window, which stays disabled until it closes.
class ResumeForm final : public ui::Form {
public:
    ResumeForm(platform::Platform& platform, const config::ConfigStore& store);

    ui::Label lblLine1{"lblLine1"};
    ui::Label lblLine2{"lblLine2"};
    ui::Button btnResume{"btnResume"};

    // What the rest of the launcher does when the player is back, after the mouse buttons.
    ui::Handler onResume;

    void btnResumeClick();

protected:
    // Closing the window is pressing "&Resume": the main window must not stay disabled.
    bool FormCloseQuery() override;

private:
    platform::Platform& platform_;
    const config::ConfigStore& store_;
};

} // namespace quarl::launch
