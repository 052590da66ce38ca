#include "companions/ServicePatching.h"

#include "app/Launcher.h"
#include "config/LauncherKey.h"

namespace quarl::companions {

namespace keys = config::launcher;
using platform::RootKey;

namespace {

// A game executable the services start, and the name the real game keeps while patched.
struct GameExecutable {
    const char* executable;
    const char* backup;
};

constexpr GameExecutable kRogueSpear{"RogueSpear.exe", "RSpear.exe"};
constexpr GameExecutable kUrbanOps{"UrbanOperations.exe", "UOperations.exe"};
constexpr GameExecutable kCovertOps{"CovertOperations.exe", "COperations.exe"};

// Points a GameSpy entry back at the game; an entry without "Cmdline" is not created.
void RestoreGameSpyEntry(app::Launcher& launcher, std::string_view key, std::string_view executable,
                         const std::string& gameFolder) {
    auto& store = launcher.store;
    if (!store.RegValueExists(RootKey::CurrentUser, key, "Cmdline"))
        return;
    store.WriteRegString(RootKey::CurrentUser, key, "Cmdline", executable);
    store.WriteRegString(RootKey::CurrentUser, key, "MRU", std::string(executable) + "\n");
    store.WriteRegString(RootKey::CurrentUser, key, "WorkDir", gameFolder);
}

} // namespace

void SetKaliLaunchTarget(app::Launcher& launcher, std::string_view path) {
    auto& store = launcher.store;
    const auto count = store.ReadRegInteger(RootKey::CurrentUser, kKaliSettingsKey, "LaunchCount");
    for (std::int32_t i = 0; i < count; ++i) {
        const auto key = std::string(kKaliLaunchInfoKey) + std::to_string(i);
        if (store.RegValueExists(RootKey::CurrentUser, key, "Game214"))
            store.WriteRegString(RootKey::CurrentUser, key, "GameExe", path);
    }
}

void CopyGameFile(app::Launcher& launcher, std::string_view source, std::string_view destination) {
    auto& files = launcher.platform.files;
    files.setArchiveOnly(destination); // a missing destination is no error
    files.copyFile(source, destination);
    files.setArchiveOnly(destination);
}

void ReverseServicePatching(app::Launcher& launcher) {
    const auto patched = [&launcher](std::string_view marker) {
        return launcher.launcherString(marker) == kMarkerTrue;
    };
    if (!patched(keys::KaliPatched) && !patched(keys::Patched) && !patched(keys::GameSpyPatched))
        return;

    const auto installation = launcher.gameFolder();
    const auto folder = installation + "\\";
    // A plain copy: unlike the Launch Tool's, it leaves the attributes alone. With no game
    // installation there is nothing to restore, and the folder would be the current drive's
    // root.
    auto& files = launcher.platform.files;
    if (!installation.empty())
        for (const auto& game : {kUrbanOps, kRogueSpear, kCovertOps})
            if (files.fileExists(folder + game.backup))
                files.copyFile(folder + game.backup, folder + game.executable);

    launcher.writeLauncherString(keys::Patched, kMarkerFalse);
    launcher.writeLauncherString(keys::EXEName, kRogueSpear.executable);
    launcher.writeLauncherString(keys::UOEXEName, kUrbanOps.executable);
    launcher.writeLauncherString(keys::COEXEName, kCovertOps.executable);

    RestoreGameSpyEntry(launcher, kGameSpyRogueSpearKey, kRogueSpear.executable, folder);
    RestoreGameSpyEntry(launcher, kGameSpyUrbanOpsKey, kUrbanOps.executable, folder);
    RestoreGameSpyEntry(launcher, kGameSpyCovertOpsKey, kCovertOps.executable, folder);

    SetKaliLaunchTarget(launcher, folder + kRogueSpear.executable);

    launcher.writeLauncherString(keys::KaliPatched, kMarkerFalse);
    launcher.writeLauncherString(keys::GameSpyPatched, kMarkerFalse);
}

} // namespace quarl::companions
