#include "launch/ResumeForm.h"

#include "launch/MouseSwap.h"

namespace quarl::launch {

ResumeForm::ResumeForm(platform::Platform& platform, const config::ConfigStore& store)
    : Form("frmResume", "Running Rogue Spear"), platform_(platform), store_(store) {
    lblLine1.caption = "When the game is over press";
    lblLine2.caption = "the resume button below.";
    btnResume.caption = "&Resume";
    btnResume.onClick = [this] { btnResumeClick(); };
}

void ResumeForm::btnResumeClick() {
    // The backup goes back as stored, whatever "DisableMouse" says now.
    MouseApply(platform_.windows, BackupAssignments(store_));
    if (onResume)
        onResume();
    close();
}

bool ResumeForm::FormCloseQuery() {
    btnResumeClick();
    return false;
}

} // namespace quarl::launch
