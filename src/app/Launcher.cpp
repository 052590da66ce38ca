#include "app/Launcher.h"

#include "config/LauncherKey.h"
#include "launch/GameStart.h"
#include "launch/MouseSwap.h"
#include "net/ServerHistory.h"

namespace quarl::app {

using config::kLauncherKey;
using platform::RootKey;
namespace keys = config::launcher;

Launcher::Launcher(platform::Platform& services) : platform(services), session(services.registry) {
    application.title = "Quarl Launcher";
    application.helpFile = "launcher.hlp";
    frmResume.onResume = [this] { ResumeFromGame(*this); };
    frmSettings.onStopPingMonitor = [this] { ping.StopPingMonitor(); };
    frmSettings.onStartPingMonitor = [this] { ping.StartPingMonitor(); };
    frmSettings.onRestoreLastMod = [this] { mods.RestoreLastMod(); };
}

void Launcher::WizardCheck() {
    if (session.store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, keys::Wizard) &&
        frmMain.mnuWizard.available())
        frmWiz.show();
}

void LaunchGame(Launcher& launcher) {
    auto& main = launcher.frmMain;
    auto& session = launcher.session;
    // Taken once: what the player chose when pressing Launch is what starts.
    const auto choices = main.launchChoices();
    // Nothing is written or started for a command line that cannot be passed on whole.
    if (const auto problem = launch::CommandLineProblem(choices)) {
        launcher.platform.dialogs.showMessage({*problem, "Error!", platform::MessageButtons::Ok,
                                               platform::MessageIcon::Exclamation, 1});
        return;
    }
    main.StateSave();
    if (session.launcherString(keys::DisableMouse) == config::kFalse)
        launch::SwapMouseForGame(launcher.platform, session.store);
    const auto result = launch::StartGame(launcher.platform, session, choices);
    if (result.kitFileKept)
        main.chkDeleteKit.setChecked(false);
    launcher.ping.StopPingMonitor();
    if (session.store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, keys::CloseOnLaunch)) {
        main.enabled = false;
        main.close();
    } else {
        launcher.frmResume.showModal(main);
    }
}

void ResumeFromGame(Launcher& launcher) {
    launcher.ping.StartPingMonitor();
    launcher.mods.RestoreLastMod();
    launcher.frmMain.show();
    net::LoadServerHistory(launcher.session, launcher.frmMain.txtIPAddress);
}

} // namespace quarl::app
