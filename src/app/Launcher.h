#pragma once

#include "app/MainForm.h"
#include "app/SingleInstance.h"
#include "app/StartupState.h"
#include "config/ConfigStore.h"
#include "launch/ResumeForm.h"
#include "net/PingMonitor.h"
#include "net/PingStatsForm.h"
#include "platform/Platform.h"
#include "ui/Form.h"

#include <string>

namespace quarl::app {

// The launcher process: its services, its process-wide state and its twelve windows, created
// once in this order and shown and hidden, never rebuilt.
class Launcher {
public:
    explicit Launcher(platform::Platform& platform);

    platform::Platform& platform;
    config::ConfigStore store;
    StartupState state;
    net::PingState ping;
    ui::Application application;

    MainForm frmMain{*this};
    ui::Form frmWiz{"frmWiz", "Quarl Launcher Wizard"};
    ui::Form frmTool{"frmTool", "Launcher Tool"};
    ui::Form AboutBox{"AboutBox", "About Quarl Launcher"};
    ui::Form frmAddressBook{"frmAddressBook", "Address Book"};
    ui::Form frmSettings{"frmSettings", "Game Settings. . ."};
    ui::Form frmModInfo{"frmModInfo", "Mod Information"};
    launch::ResumeForm frmResume{*this};
    ui::Form frmIPAddress{"frmIPAddress", "Local IP Addresses"};
    net::PingStatsForm frmPingStats{*this};
    ui::Form frmABEdit{"frmABEdit", "frmABEdit"};
    ui::Form frmJoinRW{"frmJoinRW", "Join Channel"};

    // Last, so that it goes first: no hand-over arrives once the windows are gone.
    InstanceHandOver handOver;

    // Launcher key and game key access with the paths chosen at start-up.
    std::string launcherString(std::string_view value) const;
    void writeLauncherString(std::string_view value, std::string_view text);
    std::string gameString(std::string_view value) const;
    void writeGameString(std::string_view value, std::string_view text);
    std::string gameFolder() const { return gameString("InstallationPath"); }

    // Shows the Launch Wizard when the launcher flag "Wizard" is set and the Tools menu item
    // "Launch &Wizard" is enabled.
    void WizardCheck();
};

} // namespace quarl::app
