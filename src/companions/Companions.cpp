#include "companions/Companions.h"

namespace quarl::companions {

using platform::RootKey;

namespace {

struct Companion {
    RootKey root;
    const char* key;
    const char* value;
    const char* appended;
};

// Each test reads a folder from the registry, appends the program's file name and tests that
// the file exists. Kali's "Location" ends in a backslash, so nothing is put between.
constexpr Companion kStats{RootKey::LocalMachine, "Software\\RSStats\\", "RecorderPath",
                           "\\RSStatsRecorder.exe"};
constexpr Companion kKali{RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                          "kali.exe"};
constexpr Companion kRogerWilco{
    RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe",
    "Path", "\\roger.exe"};
constexpr Companion kGameSpy{RootKey::CurrentUser, "Software\\GameSpy\\GameSpy 3D", "InstallDir",
                             "\\gamespy.exe"};

bool Installed(const config::ConfigStore& store, const platform::FileSystem& files,
               const Companion& companion) {
    const auto folder = store.ReadRegString(companion.root, companion.key, companion.value);
    return files.fileExists(folder + companion.appended);
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

} // namespace quarl::companions
