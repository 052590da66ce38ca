#include "launch/GameLaunch.h"

#include "app/Launcher.h"
#include "config/LauncherKey.h"
#include "launch/MouseSwap.h"
#include "mods/ModList.h"
#include "net/PingMonitor.h"

#include <array>

namespace quarl::launch {

namespace keys = config::launcher;
using platform::RootKey;

namespace {

constexpr std::array<std::string_view, 4> kKitRestrictionKeys = {
    "DisableDefaultPrimaryItems", "DisableDefaultSecondaryItems", "DisableDefaultSpecialItems",
    "DisableDefaultUniformItems"};

// The "-mods" part of Rogue Spear's command line; a name with a space is quoted.
std::string ModsParameter(const std::string& mod) {
    if (mod.find(' ') == std::string::npos)
        return "-mods " + mod + " ";
    return "-mods \"" + mod + "\" ";
}

void TagPlayerName(app::Launcher& launcher, const std::string& folder) {
    if (!launcher.platform.files.fileExists(folder + "\\wsock32.dll"))
        return;
    const auto name = launcher.gameString(config::game::PlayerNameRead);
    if (!name.starts_with("{v}"))
        launcher.writeGameString(config::game::PlayerNameWritten, "{v} " + name);
}

} // namespace

void LaunchGame(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    auto& files = launcher.platform.files;
    auto& store = launcher.store;

    main.StateSave();
    if (launcher.launcherString(keys::DisableMouse) == config::kFalse)
        SwapMouseForGame(launcher);

    const auto folder = launcher.gameFolder();
    TagPlayerName(launcher, folder);

    const bool urbanOps = main.rbUO.selected();
    std::string parameters;
    std::string launchModFolder;
    if (main.chkUseMod.checked()) {
        for (const auto& mod : mods::SelectedMods(launcher)) {
            if (main.rbRS.selected())
                parameters = ModsParameter(mod);
            launchModFolder = folder + "\\mods\\" + mod;
        }
    }
    // Urban Ops' "ModsSettings.txt" is written whole before anything else of the mods is
    // touched: a failure to write it ends the launch and the game is not started. With Use Mod
    // on, the state save above has just written the selection into it.
    if (urbanOps && !main.chkUseMod.checked())
        mods::WriteModsSettings(launcher, folder, {});

    const auto ini = launchModFolder + "\\launcher.ini";
    const bool copyKitKeys = urbanOps && !launchModFolder.empty() && files.fileExists(ini);
    for (const auto key : kKitRestrictionKeys) {
        const bool disable = copyKitKeys && files.readProfileString(ini, "Game", key, "0") == "1";
        launcher.writeGameString(key, config::TextBoolean(disable));
    }

    if (main.chkUseNetwork.checked()) {
        launcher.writeGameString(config::game::ManualHostAddress, main.txtIPAddress.text);
        launcher.writeGameString(config::game::ManualJoinPort, main.txtPort.text);
        if (main.rbJoin.selected())
            parameters += "-client " + main.txtIPAddress.text + " " + main.txtPort.text;
        else if (main.rbHost.selected())
            parameters += "-server " + main.txtPort.text;
    }

    // The box is looked at, not the game: a box checked under Rogue Spear still counts.
    const auto kitFile = folder + "\\kitrestrictions.txt";
    if (main.chkDeleteKit.checked() && files.fileExists(kitFile) && !files.deleteFile(kitFile))
        main.chkDeleteKit.setChecked(false);

    const auto modsSettings = mods::ModsSettingsPath(folder);
    if (urbanOps && !main.chkUseMod.checked() && !modsSettings.empty() &&
        files.fileExists(modsSettings))
        files.deleteFile(modsSettings);

    const auto executable = launcher.launcherString(main.rbRS.selected() ? keys::EXEName
                                                    : urbanOps           ? keys::UOEXEName
                                                                         : keys::COEXEName);
    if (files.fileExists(folder + "\\" + executable)) {
        launcher.platform.shell.open(
            {"OPEN", executable, parameters, folder, platform::ShowCommand::Normal});
    } else {
        launcher.platform.dialogs.showMessage(
            {"Could not find file:\n\n" + folder + "\\" + executable, "Error! - EXE File not found",
             platform::MessageButtons::Ok, platform::MessageIcon::None, 1});
    }

    net::StopPingMonitor(launcher);
    main.enabled = false;
    if (store.ReadRegFlag(RootKey::CurrentUser, config::kLauncherKey, keys::CloseOnLaunch))
        main.close();
    else
        launcher.frmResume.show();
}

} // namespace quarl::launch
