#include "config/Session.h"

#include "config/LauncherKey.h"

namespace quarl::config {

using platform::RootKey;

std::string Session::launcherString(std::string_view value) const {
    return store.ReadRegString(RootKey::CurrentUser, kLauncherKey, value);
}

void Session::writeLauncherString(std::string_view value, std::string_view text) {
    store.WriteRegString(RootKey::CurrentUser, kLauncherKey, value, text);
}

std::string Session::gameString(std::string_view value) const {
    return store.ReadRegString(RootKey::LocalMachine, gameKeyPath, value);
}

void Session::writeGameString(std::string_view value, std::string_view text) {
    if (gameKeyPath.empty())
        return;
    store.WriteRegString(RootKey::LocalMachine, gameKeyPath, value, text);
}

std::string Session::gameFolder() const {
    return gameString(game::InstallationPath);
}

} // namespace quarl::config
