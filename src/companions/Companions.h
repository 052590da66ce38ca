#pragma once

#include "config/ConfigStore.h"
#include "config/Session.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"

#include <string>
#include <string_view>
#include <vector>

namespace quarl::companions {

// The companion programs found installed.
struct CompanionsFound {
    bool stats = false;      // RS Stats Recorder
    bool kali = false;       // Kali
    bool rogerWilco = false; // Roger Wilco
    bool gameSpy = false;    // GameSpy
};

// At the first paint: which companion programs are installed, each told by a folder in the
// registry holding the program's file.
CompanionsFound DetectCompanions(const config::ConfigStore& store,
                                 const platform::FileSystem& files);

enum class Companion { Stats, Kali, GameSpy };

// Starts a companion program in its folder, read from the registry at every start.
void StartCompanion(platform::Shell& shell, const config::ConfigStore& store, Companion which);

// Starts Roger Wilco from its installation folder with the given parameters ("/create DEFAULT"
// hosts a channel, "/join ..." joins one). A failing start is not reported.
void RunRogerWilco(platform::Shell& shell, const config::ConfigStore& store,
                   const std::string& parameters, platform::ShowCommand show);

// "Boundkeys": MP-Keys when it is installed, otherwise Notepad on the game's "boundkey.txt".
void EditBoundKeys(platform::Shell& shell, const platform::FileSystem& files,
                   const config::Session& session);
// "Kitrestrictions": Notepad on the game's "kitrestrictions.txt".
void EditKitRestrictions(platform::Shell& shell, const config::Session& session);

// The makers' home pages and the update check.
inline constexpr std::string_view kTamselHomePage = "https://tamsel.example/";
inline constexpr std::string_view kProductHomePage = "https://tamsel.example/quarl/";
inline constexpr std::string_view kUpdateCheckPage = "https://tamsel.example/quarl/update";

// The update check's address: the installed versions, and whether a mod named "Quarl" (in any
// letter case) is in the mod list. The values go in as read, without any encoding.
std::string UpdateCheckAddress(const config::Session& session,
                               const std::vector<std::string>& modList);
// Opens a web address in the browser.
void OpenWebPage(platform::Shell& shell, std::string_view address);

} // namespace quarl::companions
