#include "app/Launcher.h"

#include "config/LauncherKey.h"

namespace quarl::app {

using config::kLauncherKey;
using platform::RootKey;

Launcher::Launcher(platform::Platform& services) : platform(services), store(services.registry) {
    application.title = "Quarl Launcher";
    application.helpFile = "launcher.hlp";
}

std::string Launcher::launcherString(std::string_view value) const {
    return store.ReadRegString(RootKey::CurrentUser, kLauncherKey, value);
}

void Launcher::writeLauncherString(std::string_view value, std::string_view text) {
    store.WriteRegString(RootKey::CurrentUser, kLauncherKey, value, text);
}

std::string Launcher::gameString(std::string_view value) const {
    return store.ReadRegString(RootKey::LocalMachine, state.gameKeyPath, value);
}

void Launcher::writeGameString(std::string_view value, std::string_view text) {
    // With no game found the path is empty and would address the root of HKEY_LOCAL_MACHINE
    // itself: never write there.
    if (state.gameKeyPath.empty())
        return;
    store.WriteRegString(RootKey::LocalMachine, state.gameKeyPath, value, text);
}

void Launcher::WizardCheck() {
    if (store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, config::launcher::Wizard) &&
        frmMain.mnuWizard.available())
        frmWiz.show();
}

} // namespace quarl::app
