#pragma once

#include "launch/GameStart.h"
#include "mods/ModList.h"
#include "net/AddressBookForm.h"
#include "net/PingMonitor.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "wizard/WizardForm.h"

#include <memory>

namespace quarl::platform {
class NamedObject;
}

namespace quarl::app {

class Launcher;

// frmMain: the choices a launch uses, the menus and the toolbar.
class MainForm final : public ui::Form {
public:
    explicit MainForm(Launcher& launcher);
    ~MainForm() override;

    // Window creation: the single-instance check, then the creation handler.
    // Returns false when the process is to end at once (a handed-over start, "-UNINSTALL").
    bool create();
    // Every paint of the main window; the first one does the one-time start-up work.
    void paint();

    // Game
    ui::RadioGroup gameGroup;
    ui::RadioButton rbRS{"rbRS", gameGroup};
    ui::RadioButton rbUO{"rbUO", gameGroup};
    ui::RadioButton rbCO{"rbCO", gameGroup};
    // Network
    ui::CheckBox chkUseNetwork{"chkUseNetwork"};
    ui::RadioGroup roleGroup;
    ui::RadioButton rbJoin{"rbJoin", roleGroup};
    ui::RadioButton rbHost{"rbHost", roleGroup};
    ui::ComboBox txtIPAddress{"txtIPAddress"};
    ui::Button btnAddAddress{"btnAddAddress"};
    ui::Edit txtPort{"txtPort"};
    ui::Image imgPing{"imgPing"};
    ui::Label Pingtime{"Pingtime"};
    // Mods
    ui::ListBox ListBox1{"ListBox1"};
    ui::CheckBox chkUseMod{"chkUseMod"};
    ui::CheckBox chkDeleteKit{"chkDeleteKit"};
    ui::Label lblVersion{"lblVersion"};
    ui::StatusBar StatusBar1{"StatusBar1"};
    ui::Timer PingTimer;

    // Menus
    ui::MenuItem mnuLaunch{"mnuLaunch"};
    ui::MenuItem mnuAddressBook{"mnuAddressBook"};
    ui::MenuItem mnuSettings{"mnuSettings"};
    ui::MenuItem mnuModInfo{"mnuModInfo"};
    ui::MenuItem mnuExit{"mnuExit"};
    ui::MenuItem mnuWizard{"mnuWizard"};
    ui::MenuItem mnuLaunchTool{"mnuLaunchTool"};
    ui::MenuItem mnuTelnet{"mnuTelnet"};
    ui::MenuItem mnuIPAddress{"mnuIPAddress"};
    ui::MenuItem mnuPingDetails{"mnuPingDetails"};
    ui::MenuItem mnuBoundkeys{"mnuBoundkeys"};
    ui::MenuItem mnuKitrestrictions{"mnuKitrestrictions"};
    ui::MenuItem mnuCopyJoinLink{"mnuCopyJoinLink"};
    ui::MenuItem mnuRogerWilco{"mnuRogerWilco"};
    ui::MenuItem mnuGameSpy{"mnuGameSpy"};
    ui::MenuItem mnuKali{"mnuKali"};
    ui::MenuItem mnuStats{"mnuStats"};
    ui::MenuItem mnuContents{"mnuContents"};
    ui::MenuItem mnuKeywordSearch{"mnuKeywordSearch"};
    ui::MenuItem mnuHelpIntroduction{"mnuHelpIntroduction"};
    ui::MenuItem mnuHelpZone{"mnuHelpZone"};
    ui::MenuItem mnuHelpGameSpy{"mnuHelpGameSpy"};
    ui::MenuItem mnuHelpMPlayer{"mnuHelpMPlayer"};
    ui::MenuItem mnuHelpKali{"mnuHelpKali"};
    ui::MenuItem mnuCheckUpdates{"mnuCheckUpdates"};
    ui::MenuItem mnuWebTamsel{"mnuWebTamsel"};
    ui::MenuItem mnuWebProductGroup{"mnuWebProductGroup"};
    ui::MenuItem mnuAbout{"mnuAbout"};
    // The Roger Wilco button's drop-down menu.
    ui::MenuItem mnuRWJoin{"mnuRWJoin"};
    ui::MenuItem mnuRWJoinRS{"mnuRWJoinRS"};
    ui::MenuItem mnuRWHostNormal{"mnuRWHostNormal"};
    ui::MenuItem mnuRWHostMinimize{"mnuRWHostMinimize"};

    // Toolbar, left to right (separators after btnLaunch and tbHelp).
    ui::ToolButton btnLaunch{"btnLaunch"};
    ui::ToolButton tbTelnet{"tbTelnet"};
    ui::ToolButton tbIPAddress{"tbIPAddress"};
    ui::ToolButton btnSettings{"btnSettings"};
    ui::ToolButton tbAddressBook{"tbAddressBook"};
    ui::ToolButton tbHelp{"tbHelp"};
    ui::ToolButton tbRogerWilco{"tbRogerWilco"};
    ui::ToolButton tbGameSpy{"tbGameSpy"};
    ui::ToolButton tbKali{"tbKali"};
    ui::ToolButton tbStats{"tbStats"};

    // Click reactions. Each ends by deriving the enabled state of the controls again.
    void rbRSClick();
    void rbUOClick();
    void chkUseNetworkClick();
    void rbJoinClick();
    void rbHostClick();
    void btnAddressBookClick();
    void btnAddAddressClick();
    void StateSave();

    // The enabled state of the controls that follow the choices (the games found, the selected
    // game, Use Mod, Network Game, Join or Host), derived in this one place from them.
    void updateControls();

    // What the subsystems see of the window.
    mods::ModChoices modChoices();
    net::PingChoices pingChoices();
    net::AddressBookChoices addressBookChoices() const;
    launch::LaunchChoices launchChoices() const;
    wizard::WizardSource wizardSource() const;

protected:
    // The launcher does not close while the Launch Tool replaces the game executables.
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void FormCreate();
    void FirstPaint();
    void wireHandlers();
    void wireCompanions();
    void restoreState();
    void detectGames();
    void applyGamePresence();
    void applyCompanions();

    Launcher& launcher_;
    std::unique_ptr<platform::NamedObject> launcherMutex_;
    bool firstPaintRunning_ = false;
};

} // namespace quarl::app
