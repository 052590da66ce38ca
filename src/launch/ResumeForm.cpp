#include "launch/ResumeForm.h"

#include "app/Launcher.h"
#include "launch/MouseSwap.h"
#include "mods/ModList.h"
#include "net/PingMonitor.h"
#include "net/ServerHistory.h"

namespace quarl::launch {

ResumeForm::ResumeForm(app::Launcher& launcher)
    : Form("frmResume", "Running Rogue Spear"), launcher_(launcher) {
    lblLine1.caption = "When the game is over press";
    lblLine2.caption = "the resume button below.";
    btnResume.caption = "&Resume";
    btnResume.onClick = [this] { btnResumeClick(); };
}

void ResumeForm::btnResumeClick() {
    // The backup goes back as stored, whatever "DisableMouse" says now.
    MouseApply(launcher_, BackupAssignments(launcher_));
    net::StartPingMonitor(launcher_);
    mods::RestoreLastMod(launcher_);
    launcher_.frmMain.enabled = true;
    launcher_.frmMain.show();
    net::LoadServerHistory(launcher_);
    close();
}

bool ResumeForm::FormCloseQuery() {
    btnResumeClick();
    return false;
}

} // namespace quarl::launch
