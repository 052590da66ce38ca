#include "app/Launcher.h"

#include "config/LauncherKey.h"
#include "launch/GameStart.h"
#include "launch/MouseSwap.h"
#include "net/AddressBook.h"
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
    frmAddressBook.onUseEntry = [this](const ui::Grid::Row& entry) {
        UseAddressBookEntry(*this, entry);
    };
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

void UseAddressBookEntry(Launcher& launcher, const ui::Grid::Row& entry) {
    auto& main = launcher.frmMain;
    if (!main.enabled)
        return;
    namespace column = net::column;
    // The game first: its button's reaction restores the game's last mod, which must not
    // replace the entry's.
    const auto& game = entry.at(column::Game);
    auto* button = game == "RS" ? &main.rbRS : game == "UO" ? &main.rbUO : nullptr;
    if (button && button->enabled)
        button->select();

    main.rbJoin.select();
    main.txtIPAddress.text = entry.at(column::Address);
    main.txtPort.text = entry.at(column::Port);
    main.chkUseNetwork.setChecked(true);

    // A mod the list no longer holds leaves the mod choice as it was.
    auto& list = main.ListBox1;
    const auto& mod = entry.at(column::Mod);
    if (const int index = list.indexOf(mod); !mod.empty() && index >= 0) {
        main.chkUseMod.setChecked(true);
        for (std::size_t i = 0; i < list.items().size(); ++i)
            list.setSelected(i, false);
        list.setItemIndex(index);
        list.setSelected(static_cast<std::size_t>(index), true);
    }
    main.bringToFront(&main.txtIPAddress);

    if (launcher.session.launcherString(keys::CloseAddressBook) == config::kTrue)
        launcher.frmAddressBook.close();
}

} // namespace quarl::app
