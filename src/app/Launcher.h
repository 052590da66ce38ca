#pragma once

#include "app/MainForm.h"
#include "app/SingleInstance.h"
#include "companions/AboutForm.h"
#include "companions/ToolForm.h"
#include "companions/VoiceChat.h"
#include "config/Session.h"
#include "launch/ResumeForm.h"
#include "mods/ModInfoForm.h"
#include "mods/ModList.h"
#include "net/ABEditForm.h"
#include "net/AddressBookForm.h"
#include "net/LocalAddressesForm.h"
#include "net/PingMonitor.h"
#include "net/PingStatsForm.h"
#include "platform/Platform.h"
#include "settings/SettingsForm.h"
#include "ui/Form.h"
#include "wizard/WizardForm.h"

namespace quarl::app {

// The launcher process: its services, its session, the subsystems that work on the main
// window's choices, and its twelve windows, created once in this order and shown and hidden,
// never rebuilt. The operations that cross windows live here in app (start-up in MainForm, the
// launch road, the switches, the hand-over).
class Launcher {
public:
    explicit Launcher(platform::Platform& platform);
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    platform::Platform& platform;
    config::Session session;
    ui::Application application;

    MainForm frmMain{*this};
    mods::ModList mods{session, platform.files, frmMain.modChoices()};
    net::PingMonitor ping{session, platform.icmp, frmMain.pingChoices(), frmPingStats};

    wizard::WizardForm frmWiz{frmMain.wizardSource()};
    companions::ToolForm frmTool{platform, session, frmMain};
    companions::AboutForm AboutBox{platform};
    net::AddressBookForm frmAddressBook{platform, session, application,
                                        frmMain.addressBookChoices(), frmABEdit};
    settings::SettingsForm frmSettings{platform, session, application};
    mods::ModInfoForm frmModInfo{platform, session, frmMain.modChoices()};
    launch::ResumeForm frmResume{platform, session.store};
    net::LocalAddressesForm frmIPAddress{platform};
    net::PingStatsForm frmPingStats{ping};
    net::ABEditForm frmABEdit{frmAddressBook, frmMain.ListBox1};
    companions::JoinChannelForm frmJoinRW{platform, session.store};

    // Last, so that it goes first: no hand-over arrives once the windows are gone.
    InstanceHandOver handOver;

    // Shows the Launch Wizard when the launcher flag "Wizard" is set and the Tools menu item
    // "Launch &Wizard" is enabled.
    void WizardCheck();
};

// The launch: checks what goes on the game's command line, saves the window state, swaps the
// mouse buttons, prepares and starts the game, then closes the launcher or shows the resume
// window.
void LaunchGame(Launcher& launcher);

// The player is back from the game (the resume window's "&Resume", after the mouse buttons).
void ResumeFromGame(Launcher& launcher);

// Use Entry: the address book entry's game, server and mod become the main window's choices.
// Nothing happens while the main window is disabled.
void UseAddressBookEntry(Launcher& launcher, const ui::Grid::Row& entry);

// Copy Join Link: the link for the main window's network game, or for an address book entry,
// goes on the clipboard. Choices that make no valid link are shown in an "Error!" box instead.
void CopyMainWindowJoinLink(Launcher& launcher);
void CopyAddressBookJoinLink(Launcher& launcher, const ui::Grid::Row& entry);

// The wizard's Finish: the main window takes the wizard's choices, then the wizard closes.
void FinishWizard(Launcher& launcher);

} // namespace quarl::app
