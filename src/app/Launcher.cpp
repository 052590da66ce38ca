#include "app/Launcher.h"

#include "app/JoinLink.h"
#include "base/ScopeExit.h"
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
    frmAddressBook.onCopyJoinLink = [this](const ui::Grid::Row& entry) {
        CopyAddressBookJoinLink(*this, entry);
    };
    frmWiz.onFinish = [this] { FinishWizard(*this); };
}

void Launcher::WizardCheck() {
    if (session.store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, keys::Wizard) &&
        frmMain.mnuWizard.available())
        frmWiz.show();
}

void LaunchGame(Launcher& launcher) {
    auto& main = launcher.frmMain;
    auto& session = launcher.session;
    // Not while the Launch Tool replaces the game executables.
    if (launcher.frmTool.running())
        return;
    // Taken once: what the player chose when pressing Launch is what starts.
    const auto choices = main.launchChoices();
    // Nothing is written or started for a command line that cannot be passed on whole.
    if (const auto problem = launch::CommandLineProblem(choices)) {
        platform::ShowError(launcher.platform.dialogs, *problem);
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

namespace {

void CopyJoinLink(Launcher& launcher, const JoinLink& link) {
    const auto text = JoinLinkText(link);
    if (const auto parse = ParseJoinLink(text); !parse.valid)
        platform::ShowError(launcher.platform.dialogs,
                            "No join link can be made for this server:\n\n" + parse.problem);
    else
        launcher.platform.clipboard.copyText(text);
}

} // namespace

void CopyMainWindowJoinLink(Launcher& launcher) {
    const auto choices = launcher.frmMain.launchChoices();
    JoinLink link;
    link.game = choices.game;
    link.host = choices.host;
    link.address = choices.address;
    link.port = choices.port;
    if (choices.useMod && choices.game != launch::Game::CovertOps)
        link.mods = choices.mods;
    if (!choices.network || (!choices.join && !choices.host) ||
        choices.game == launch::Game::None) {
        platform::ShowError(launcher.platform.dialogs,
                            "A join link needs a game and a network game to join or host.");
        return;
    }
    CopyJoinLink(launcher, link);
}

void CopyAddressBookJoinLink(Launcher& launcher, const ui::Grid::Row& entry) {
    namespace column = net::column;
    JoinLink link;
    // As the entry editor shows it: Rogue Spear unless the entry says Urban Ops, the default
    // port for an empty one.
    link.game = entry.at(column::Game) == "UO" ? launch::Game::UrbanOps : launch::Game::RogueSpear;
    link.address = entry.at(column::Address);
    const auto& port = entry.at(column::Port);
    link.port = port.empty() || port == " " ? std::string(kDefaultJoinPort) : port;
    if (const auto& mod = entry.at(column::Mod); !mod.empty())
        link.mods.push_back(mod);
    CopyJoinLink(launcher, link);
}

void FinishWizard(Launcher& launcher) {
    auto& wizard = launcher.frmWiz;
    auto& main = launcher.frmMain;
    base::ScopeExit derive([&main] { main.updateControls(); });

    // The game first: its button's reaction restores the last mod, which must not undo the
    // wizard's. A disabled wizard button is a game that is not installed (Covert Ops has none):
    // the main window's own choice stays.
    for (const auto& [mainButton, wizardButton] :
         {std::pair{&main.rbRS, &wizard.rbRS}, std::pair{&main.rbUO, &wizard.rbUO}}) {
        if (!wizardButton->enabled)
            continue;
        if (wizardButton->selected())
            mainButton->select();
        else
            mainButton->deselect();
    }

    const auto& mod = wizard.cbMod.text;
    main.chkUseMod.setChecked(!mod.empty());
    if (!mod.empty()) {
        // The last equal entry becomes the current item. In Urban Ops' multiple selection that
        // alone would only focus it: the wizard's mod is the one selected.
        auto& list = main.ListBox1;
        int current = -1;
        for (std::size_t i = 0; i < list.items().size(); ++i)
            if (list.items()[i] == mod) {
                current = static_cast<int>(i);
                list.setItemIndex(current);
            }
        if (list.multiSelect() && current >= 0)
            for (std::size_t i = 0; i < list.items().size(); ++i)
                list.setSelected(i, static_cast<int>(i) == current);
    }

    main.chkUseNetwork.setChecked(!wizard.rbSingle.selected());
    if (wizard.rbJoin.selected()) {
        // The launch joins the main window's address: the one the summary showed.
        main.txtIPAddress.text = wizard.txtIPAddress.text;
        main.rbJoin.select();
    } else if (wizard.rbHost.selected()) {
        main.rbHost.select();
    }
    wizard.close();
}

} // namespace quarl::app
