#include "launch/GameStart.h"

#include "base/ServerAddress.h"
#include "config/LauncherKey.h"
#include "mods/ModList.h"

#include <algorithm>
#include <array>

namespace quarl::launch {

namespace keys = config::launcher;

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

void TagPlayerName(platform::FileSystem& files, config::Session& session,
                   const std::string& folder) {
    if (!files.fileExists(folder + "\\wsock32.dll"))
        return;
    const auto name = session.gameString(config::game::PlayerNameRead);
    if (!name.starts_with("{v}"))
        session.writeGameString(config::game::PlayerNameWritten, "{v} " + name);
}

} // namespace

std::optional<std::string> CommandLineProblem(const LaunchChoices& choices) {
    if (!choices.network || (!choices.join && !choices.host))
        return std::nullopt;
    const auto& address = choices.address;
    if (choices.join && !base::ServerAddressAllowed(address))
        return "The server address \"" + address +
               "\" cannot be passed to the game.\n\n"
               "An address holds only letters, digits and the characters . : _ - "
               "and does not start with -.";
    const auto& port = choices.port;
    if (!base::PortAllowed(port))
        return "The port \"" + port +
               "\" cannot be passed to the game.\n\n"
               "A port holds only digits.";
    return std::nullopt;
}

StartResult StartGame(platform::Platform& platform, config::Session& session,
                      const LaunchChoices& choices) {
    auto& files = platform.files;
    StartResult result;
    const auto folder = session.gameFolder();
    TagPlayerName(files, session, folder);

    const bool urbanOps = choices.game == Game::UrbanOps;
    std::string parameters;
    std::string launchModFolder;
    if (choices.useMod) {
        for (const auto& mod : choices.mods) {
            if (choices.game == Game::RogueSpear)
                parameters = ModsParameter(mod);
            launchModFolder = folder + "\\mods\\" + mod;
        }
    }
    // Urban Ops' "ModsSettings.txt" is written whole before anything else of the mods is
    // touched: a failure to write it ends the launch and the game is not started. With Use Mod
    // on, the state save has just written the selection into it.
    if (urbanOps && !choices.useMod)
        mods::WriteModsSettings(files, folder, {});

    const auto ini = launchModFolder + "\\launcher.ini";
    const bool copyKitKeys = urbanOps && !launchModFolder.empty() && files.fileExists(ini);
    for (const auto key : kKitRestrictionKeys) {
        const bool disable = copyKitKeys && files.readProfileString(ini, "Game", key, "0") == "1";
        session.writeGameString(key, config::TextBoolean(disable));
    }

    if (choices.network) {
        session.writeGameString(config::game::ManualHostAddress, choices.address);
        session.writeGameString(config::game::ManualJoinPort, choices.port);
        if (choices.join)
            parameters += "-client " + choices.address + " " + choices.port;
        else if (choices.host)
            parameters += "-server " + choices.port;
    }

    // The box is looked at, not the game: a box checked under Rogue Spear still counts.
    const auto kitFile = folder + "\\kitrestrictions.txt";
    if (choices.deleteKit && files.fileExists(kitFile) && !files.deleteFile(kitFile))
        result.kitFileKept = true;

    const auto modsSettings = mods::ModsSettingsPath(folder);
    if (urbanOps && !choices.useMod && !modsSettings.empty() && files.fileExists(modsSettings))
        files.deleteFile(modsSettings);

    // With no game selected, Covert Ops' executable is the one started.
    const auto executable = session.launcherString(choices.game == Game::RogueSpear ? keys::EXEName
                                                   : urbanOps ? keys::UOEXEName
                                                              : keys::COEXEName);
    if (files.fileExists(folder + "\\" + executable)) {
        platform.shell.open(
            {"OPEN", executable, parameters, folder, platform::ShowCommand::Normal});
    } else {
        platform.dialogs.showMessage({"Could not find file:\n\n" + folder + "\\" + executable,
                                      "Error! - EXE File not found", platform::MessageButtons::Ok,
                                      platform::MessageIcon::None, 1});
    }
    return result;
}

} // namespace quarl::launch
