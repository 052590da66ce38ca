#include "companions/ServicePatching.h"

#include "config/LauncherKey.h"

namespace quarl::companions {

namespace keys = config::launcher;
using platform::RootKey;

void RestoreGameSpyEntry(config::ConfigStore& store, std::string_view key,
                         std::string_view executable, const std::string& gameFolder) {
    if (!store.RegValueExists(RootKey::CurrentUser, key, "Cmdline"))
        return;
    store.WriteRegString(RootKey::CurrentUser, key, "Cmdline", executable);
    store.WriteRegString(RootKey::CurrentUser, key, "MRU", std::string(executable) + "\n");
    store.WriteRegString(RootKey::CurrentUser, key, "WorkDir", gameFolder);
}

void SetKaliLaunchTarget(config::ConfigStore& store, std::string_view path) {
    const auto count = store.ReadRegInteger(RootKey::CurrentUser, kKaliSettingsKey, "LaunchCount");
    for (std::int32_t i = 0; i < count; ++i) {
        const auto key = std::string(kKaliLaunchInfoKey) + std::to_string(i);
        if (store.RegValueExists(RootKey::CurrentUser, key, "Game214"))
            store.WriteRegString(RootKey::CurrentUser, key, "GameExe", path);
    }
}

void CopyGameFile(platform::FileSystem& files, std::string_view source,
                  std::string_view destination, const platform::CopyProgress& progress) {
    files.setArchiveOnly(destination); // a missing destination is no error
    files.copyFile(source, destination, progress);
    files.setArchiveOnly(destination);
}

void ReverseServicePatching(platform::FileSystem& files, config::Session& session) {
    const auto patched = [&session](std::string_view marker) {
        return session.launcherString(marker) == kMarkerTrue;
    };
    if (!patched(keys::KaliPatched) && !patched(keys::Patched) && !patched(keys::GameSpyPatched))
        return;
    // Every path below starts with the game folder. Without one, they would name the drive's
    // root in other programs' keys: nothing is written, and the markers keep saying that the
    // patch is in place.
    const auto installation = session.gameFolder();
    if (installation.empty())
        return;

    // A plain copy: unlike the Launch Tool's, it leaves the attributes alone.
    const auto folder = installation + "\\";
    for (const auto& game : {kUrbanOps, kRogueSpear, kCovertOps})
        if (files.fileExists(folder + game.backup))
            files.copyFile(folder + game.backup, folder + game.executable);

    session.writeLauncherString(keys::Patched, kMarkerFalse);
    session.writeLauncherString(keys::EXEName, kRogueSpear.executable);
    session.writeLauncherString(keys::UOEXEName, kUrbanOps.executable);
    session.writeLauncherString(keys::COEXEName, kCovertOps.executable);

    auto& store = session.store;
    RestoreGameSpyEntry(store, kGameSpyRogueSpearKey, kRogueSpear.executable, folder);
    RestoreGameSpyEntry(store, kGameSpyUrbanOpsKey, kUrbanOps.executable, folder);
    RestoreGameSpyEntry(store, kGameSpyCovertOpsKey, kCovertOps.executable, folder);

    SetKaliLaunchTarget(store, folder + kRogueSpear.executable);

    session.writeLauncherString(keys::KaliPatched, kMarkerFalse);
    session.writeLauncherString(keys::GameSpyPatched, kMarkerFalse);
}

} // namespace quarl::companions
