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

std::string FolderOf(const config::ConfigStore& store, const CompanionEntry& companion) {
    return store.ReadRegString(companion.root, companion.key, companion.value);
}

bool InstalledIn(const platform::FileSystem& files, const std::string& folder,
                 const CompanionEntry& companion) {
    return files.fileExists(folder + companion.appended);
}

bool Installed(const config::ConfigStore& store, const platform::FileSystem& files,
               const CompanionEntry& companion) {
    return InstalledIn(files, FolderOf(store, companion), companion);
}

// The file name a companion is started as: the tested name without its leading backslash.
std::string_view ProgramName(const CompanionEntry& companion) {
    std::string_view name = companion.appended;
    if (name.starts_with('\\'))
        name.remove_prefix(1);
    return name;
}

void OpenIn(platform::Shell& shell, const std::string& folder, const CompanionEntry& companion) {
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
    case Companion::Stats: OpenIn(shell, FolderOf(store, kStats), kStats); break;
    case Companion::Kali: OpenIn(shell, FolderOf(store, kKali), kKali); break;
    case Companion::GameSpy: OpenIn(shell, FolderOf(store, kGameSpy), kGameSpy); break;
    }
}

void RunRogerWilco(platform::Shell& shell, const config::ConfigStore& store,
                   const std::string& parameters, platform::ShowCommand show) {
    shell.open({"OPEN", std::string(ProgramName(kRogerWilco)), parameters,
                FolderOf(store, kRogerWilco), show});
}

void EditBoundKeys(platform::Shell& shell, const platform::FileSystem& files,
                   const config::Session& session) {
    if (const auto folder = FolderOf(session.store, kMpKeys); InstalledIn(files, folder, kMpKeys))
        OpenIn(shell, folder, kMpKeys);
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
