#pragma once

#include "config/Session.h"
#include "platform/FileSystem.h"

#include <string>
#include <string_view>

// Redirecting the game services' launch entries to the launcher, and undoing it. The Zone and
// MPlayer start the game executables directly, so while they are patched each executable is a
// copy of "redirect.exe" and the real game lives under its backup name; GameSpy and Kali start
// whatever their own registry entries name.
namespace quarl::companions {

// A game executable the services start, and the name the real game keeps while patched.
struct GameExecutable {
    const char* executable;
    const char* backup;
};

inline constexpr GameExecutable kRogueSpear{"RogueSpear.exe", "RSpear.exe"};
inline constexpr GameExecutable kUrbanOps{"UrbanOperations.exe", "UOperations.exe"};
inline constexpr GameExecutable kCovertOps{"CovertOperations.exe", "COperations.exe"};

// Service markers under the launcher key: "True" while the patch is in place.
inline constexpr std::string_view kMarkerTrue = "True";
inline constexpr std::string_view kMarkerFalse = "False";

// GameSpy's launch entries, one key per game.
inline constexpr std::string_view kGameSpyRogueSpearKey =
    "Software\\GameSpy\\GameSpy 3D\\Rogue Spear";
inline constexpr std::string_view kGameSpyUrbanOpsKey =
    "Software\\GameSpy\\GameSpy 3D\\Urban Operations";
inline constexpr std::string_view kGameSpyCovertOpsKey =
    "Software\\GameSpy\\GameSpy 3D\\Covert Operations";
// Kali: the number of launch entries, and the entries "LaunchInfo0", "LaunchInfo1", ...
inline constexpr std::string_view kKaliSettingsKey = "Software\\Kali\\Kali95\\Settings";
inline constexpr std::string_view kKaliLaunchInfoKey = "Software\\Kali\\Kali95\\LaunchInfo";

// Points a GameSpy entry back at the game; an entry without "Cmdline" is not created.
void RestoreGameSpyEntry(config::ConfigStore& store, std::string_view key,
                         std::string_view executable, const std::string& gameFolder);

// Points every Kali launch entry that is Rogue Spear's (it has a "Game214" value) at the path.
void SetKaliLaunchTarget(config::ConfigStore& store, std::string_view path);

// The Launch Tool's copy, through the file system's crash-safe copy: the destination is the old
// file or the whole new one, never a part. It is left with the archive attribute only, before
// and after, so that a read-only executable is replaced too. Throws platform::FileError.
void CopyGameFile(platform::FileSystem& files, std::string_view source,
                  std::string_view destination, const platform::CopyProgress& progress = {});

// "-UNINSTALL": undoes every service patch when any marker says one is in place: the game
// executables come back from their backups, the executable names, GameSpy's and Kali's entries
// point at the game again, and the markers read "False". A failed copy throws
// platform::FileError and abandons the remaining steps. Without a game folder nothing is
// written: every path would name the drive's root.
void ReverseServicePatching(platform::FileSystem& files, config::Session& session);

} // namespace quarl::companions
