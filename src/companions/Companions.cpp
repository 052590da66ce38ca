#include "companions/Companions.h"

#include "base/Text.h"

#include <algorithm>

namespace quarl::companions {

using platform::RootKey;

namespace {

struct CompanionEntry {
    RootKey root;
    const char* key;
    const char* value;
    const char* appended;
};

// Each test reads a folder from the registry, appends the program's file name and tests that
// the file exists. Kali's "Location" ends in a backslash, so nothing is put between.
constexpr CompanionEntry kStats{RootKey::LocalMachine, "Software\\RSStats\\", "RecorderPath",
                                "\\RSStatsRecorder.exe"};
constexpr CompanionEntry kKali{RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                               "kali.exe"};
constexpr CompanionEntry kRogerWilco{
    RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe",
    "Path", "\\roger.exe"};
constexpr CompanionEntry kGameSpy{RootKey::CurrentUser, "Software\\GameSpy\\GameSpy 3D",
                                  "InstallDir", "\\gamespy.exe"};
// Tested when used, not at the first paint.
constexpr CompanionEntry kMpKeys{RootKey::LocalMachine, "Software\\MP-Keys", "ProgramPath",
                                 "\\MP-Keys.exe"};

bool Installed(const config::ConfigStore& store, const platform::FileSystem& files,
               const CompanionEntry& companion) {
    const auto folder = store.ReadRegString(companion.root, companion.key, companion.value);
    return files.fileExists(folder + companion.appended);
}

// The file name a companion is started as: the tested name without its leading backslash.
std::string_view ProgramName(const CompanionEntry& companion) {
    std::string_view name = companion.appended;
    if (name.starts_with('\\'))
        name.remove_prefix(1);
    return name;
}

void OpenInFolder(platform::Shell& shell, const config::ConfigStore& store,
                  const CompanionEntry& companion) {
    const auto folder = store.ReadRegString(companion.root, companion.key, companion.value);
    shell.open(
        {"OPEN", std::string(ProgramName(companion)), "", folder, platform::ShowCommand::Normal});
}

void Notepad(platform::Shell& shell, const config::Session& session, std::string_view file) {
    const auto windows = session.store.ReadRegString(
        RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "SystemRoot");
    shell.open({"", "notepad.exe", session.gameFolder() + "\\" + std::string(file), windows,
                platform::ShowCommand::Show});
}

} // namespace

CompanionsFound DetectCompanions(const config::ConfigStore& store,
                                 const platform::FileSystem& files) {
    CompanionsFound found;
    found.stats = Installed(store, files, kStats);
    found.kali = Installed(store, files, kKali);
    found.rogerWilco = Installed(store, files, kRogerWilco);
    found.gameSpy = Installed(store, files, kGameSpy);
    return found;
}

void StartCompanion(platform::Shell& shell, const config::ConfigStore& store, Companion which) {
    switch (which) {
    case Companion::Stats: OpenInFolder(shell, store, kStats); break;
    case Companion::Kali: OpenInFolder(shell, store, kKali); break;
    case Companion::GameSpy: OpenInFolder(shell, store, kGameSpy); break;
    }
}

void EditBoundKeys(platform::Shell& shell, const platform::FileSystem& files,
                   const config::Session& session) {
    if (Installed(session.store, files, kMpKeys))
        OpenInFolder(shell, session.store, kMpKeys);
    else
        Notepad(shell, session, "boundkey.txt");
}

void EditKitRestrictions(platform::Shell& shell, const config::Session& session) {
    Notepad(shell, session, "kitrestrictions.txt");
}

std::string UpdateCheckAddress(const config::Session& session,
                               const std::vector<std::string>& modList) {
    const bool runningQuarl = std::any_of(modList.begin(), modList.end(), [](const auto& mod) {
        return base::UpperAscii(mod) == "QUARL";
    });
    return std::string(kUpdateCheckPage) +
           "?version=2.10&build=8&rsversion=" + session.gameString("Version") +
           "&uoversion=" + session.gameString("VersionUO") +
           "&coversion=" + session.gameString("VersionCO") +
           "&runningquarl=" + (runningQuarl ? "Yes" : "No");
}

void OpenWebPage(platform::Shell& shell, std::string_view address) {
    shell.open({"OPEN", std::string(address), "", "", platform::ShowCommand::Normal});
}

} // namespace quarl::companions
