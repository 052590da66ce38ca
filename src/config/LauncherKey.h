#pragma once

#include <string_view>

// Every registry key and value name the launcher uses under its own key and the game key.
namespace quarl::config {

inline constexpr std::string_view kLauncherKey = "Software\\Quarl\\Launcher";
inline constexpr std::string_view kMainPosKey = "Software\\Quarl\\Launcher\\MainPos";
inline constexpr std::string_view kAddressBookPosKey = "Software\\Quarl\\Launcher\\AddressBookPos";
inline constexpr std::string_view kGameKey = "Software\\Red Storm Entertainment\\Rogue Spear";
inline constexpr std::string_view kDemoGameKey =
    "Software\\Red Storm Entertainment\\Rogue Spear Demo";
inline constexpr std::string_view kMouseDriverKey = "Control Panel\\Microsoft Input Devices\\Mouse";

inline constexpr std::string_view kLauncherVersion = "2.10";

// Values under the launcher key.
namespace launcher {
inline constexpr std::string_view Version = "Version";
inline constexpr std::string_view InstallationPath = "InstallationPath";
inline constexpr std::string_view DisablePing = "DisablePing";
inline constexpr std::string_view EXEName = "EXEName";
inline constexpr std::string_view UOEXEName = "UOEXEName";
inline constexpr std::string_view COEXEName = "COEXEName";
inline constexpr std::string_view GameType = "GameType";
inline constexpr std::string_view Port = "Port";
inline constexpr std::string_view Host = "Host";
inline constexpr std::string_view UseNetwork = "UseNetwork";
inline constexpr std::string_view UseMod = "UseMod";
inline constexpr std::string_view DeleteKit = "DeleteKit";
inline constexpr std::string_view LastMod = "LastMod";
inline constexpr std::string_view HideCOE = "HideCOE";
inline constexpr std::string_view DisableMouse = "DisableMouse";
inline constexpr std::string_view CheckMouseConfig = "CheckMouseConfig";
inline constexpr std::string_view Wizard = "Wizard";
inline constexpr std::string_view CloseOnLaunch = "CloseOnLaunch";
inline constexpr std::string_view CloseAddressBook = "CloseAddressBook";
inline constexpr std::string_view Telnet = "Telnet";
inline constexpr std::string_view ServerMru = "servermru";
inline constexpr std::string_view Patched = "Patched";
inline constexpr std::string_view GameSpyPatched = "GameSpyPatched";
inline constexpr std::string_view KaliPatched = "KaliPatched";
inline constexpr std::string_view MinimizeRW = "MinimizeRW";
} // namespace launcher

// Values under the game key that start-up and the launch use.
namespace game {
inline constexpr std::string_view InstallationPath = "InstallationPath";
inline constexpr std::string_view ModsPath = "ModsPath";
inline constexpr std::string_view PlayerNameRead = "MultiPlayerPlayerName";
inline constexpr std::string_view PlayerNameWritten = "MultiplayerPlayerName";
inline constexpr std::string_view ManualHostAddress = "MultiplayerManualHostAddress";
inline constexpr std::string_view ManualJoinPort = "MultiplayerManualJoinPort";
} // namespace game

} // namespace quarl::config
