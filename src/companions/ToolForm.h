#pragma once

#include "config/Session.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <string>

namespace quarl::companions {

// frmTool, the Launch Tool: three pages that patch or unpatch The Zone/MPlayer, GameSpy and Kali
// as their check boxes say. Shown without being modal; while its patch run copies the game
// executables the main window is disabled and neither window closes.
class ToolForm final : public ui::Form {
public:
    ToolForm(platform::Platform& platform, config::Session& session, ui::Form& mainWindow);

    // The pages, one on top of the other: introduction, service choice, progress.
    ui::Notebook pages{"pages"};
    ui::TabSheet pgIntroduction{"pgIntroduction"};
    ui::TabSheet pgServices{"pgServices"};
    ui::TabSheet pgProgress{"pgProgress"};

    ui::Memo mIntroduction{"mIntroduction"};

    ui::Label lblChoose{"lblChoose"};
    // The table: header cells, then per row its name, its found cell and its check box.
    ui::Label lblServiceName{"lblServiceName"};
    ui::Label lblFound{"lblFound"};
    ui::Label lblPatched{"lblPatched"};
    ui::Label lblServiceGZ{"lblServiceGZ"};
    ui::Label lblServiceGS{"lblServiceGS"};
    ui::Label lblServiceKali{"lblServiceKali"};
    ui::Label lblFoundGZ{"lblFoundGZ"};
    ui::Label lblFoundGS{"lblFoundGS"};
    ui::Label lblFoundKali{"lblFoundKali"};
    ui::CheckBox chkPatchGZ{"chkPatchGZ"};
    ui::CheckBox chkPatchGS{"chkPatchGS"};
    ui::CheckBox chkPatchKali{"chkPatchKali"};
    ui::Label lblNote{"lblNote"};
    // Opened by a right-click on a row's name or found cell.
    ui::PopupMenu pmDetection;
    ui::MenuItem mnuOverrideDetection{"mnuOverrideDetection"};

    ui::Label lblSettings{"lblSettings"};
    ui::Label lblSettingGZ{"lblSettingGZ"};
    ui::Label lblSettingGS{"lblSettingGS"};
    ui::Label lblSettingKali{"lblSettingKali"};
    ui::Label lblStatusCaption{"lblStatusCaption"};
    ui::Label lblStatus{"lblStatus"};
    // Bytes copied of the executable being copied.
    ui::ProgressBar pbCopy{"pbCopy"};

    ui::Button btnCancel{"btnCancel"};
    ui::Button btnBack{"btnBack"};
    ui::Button btnNext{"btnNext"};

    // The tool page number: 1 introduction, 2 service choice, 3 progress.
    int page() const { return pages.pageIndex + 1; }
    // A patch run is in progress.
    bool running() const { return running_; }

    void btnNextClick();
    void btnBackClick();
    void btnCancelClick();
    void OverrideDetectionClick();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;

private:
    void readFolders();
    void detectServices();
    void showPage(int number);
    void PatchRun();
    void setStatus(std::string text);

    platform::Platform& platform_;
    config::Session& session_;
    ui::Form& mainWindow_;
    bool foldersRead_ = false;
    std::string launcherFolder_;
    std::string gameFolder_;
    // The boxes as the showing ticked them from the markers.
    bool wasPatchedGZ_ = false;
    bool wasPatchedGS_ = false;
    bool wasPatchedKali_ = false;
    bool running_ = false;
};

} // namespace quarl::companions
