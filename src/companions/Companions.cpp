#include "companions/Companions.h"

#include "app/Launcher.h"

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

bool Installed(app::Launcher& launcher, const Companion& companion) {
    const auto folder =
        launcher.store.ReadRegString(companion.root, companion.key, companion.value);
    return launcher.platform.files.fileExists(folder + companion.appended);
}

} // namespace

void DetectCompanions(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    const bool stats = Installed(launcher, kStats);
    main.mnuStats.enabled = main.tbStats.enabled = stats;
    const bool kali = Installed(launcher, kKali);
    main.mnuKali.enabled = main.tbKali.enabled = kali;
    const bool rogerWilco = Installed(launcher, kRogerWilco);
    main.mnuRogerWilco.enabled = main.tbRogerWilco.enabled = rogerWilco;
    main.tbGameSpy.enabled = Installed(launcher, kGameSpy);
}

} // namespace quarl::companions
