#pragma once

#include "app/Launcher.h"
#include "config/LauncherKey.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quarl::tests {

inline constexpr const char* kGameFolder = "C:\\Games\\Rogue Spear";

// A path in the game folder.
inline std::string GamePath(std::string_view name) {
    return std::string(kGameFolder) + "\\" + std::string(name);
}

// A launcher over the fake platform, with helpers to seed an installation and to run the
// start-up as the program does: create the main window, then its first paint.
class LauncherFixture : public ::testing::Test {
protected:
    using RootKey = platform::RootKey;

    void installGame(bool rogueSpear, bool urbanOps, bool covertOps,
                     std::string gameKey = std::string(config::kGameKey)) {
        fake.registry.setString(RootKey::LocalMachine, gameKey, "InstallationPath", kGameFolder);
        fake.registry.setString(RootKey::LocalMachine, gameKey, "ModsPath", "\\mods");
        fake.files.addFolder(GamePath("mods"));
        if (rogueSpear)
            fake.files.addFile(GamePath("RogueSpear.exe"));
        if (urbanOps)
            fake.files.addFile(GamePath("UrbanOperations.exe"));
        if (covertOps)
            fake.files.addFile(GamePath("CovertOperations.exe"));
    }
    // A mod folder in the game's mods folder, with a launcher.ini when given.
    void addMod(const std::string& name, std::string ini = {}) {
        const auto folder = GamePath("mods\\" + name);
        fake.files.addFolder(folder);
        if (!ini.empty())
            fake.files.addFile(folder + "\\launcher.ini", std::move(ini));
    }
    std::string gameValue(std::string_view name) const {
        const auto value = fake.registry.readValue(RootKey::LocalMachine, config::kGameKey, name);
        return value ? value->text : "<missing>";
    }
    const std::string* gameFile(std::string_view name) const {
        return fake.files.content(GamePath(name));
    }
    void setLauncher(std::string_view name, std::string text) {
        fake.registry.setString(RootKey::CurrentUser, config::kLauncherKey, name, std::move(text));
    }
    void setLauncherDword(std::string_view name, std::uint32_t number) {
        fake.registry.setDword(RootKey::CurrentUser, config::kLauncherKey, name, number);
    }
    std::string launcherString(std::string_view name) const {
        const auto value =
            fake.registry.readValue(RootKey::CurrentUser, config::kLauncherKey, name);
        return value ? value->text : "<missing>";
    }
    std::optional<platform::RegistryValue> launcherValue(std::string_view name) const {
        return fake.registry.readValue(RootKey::CurrentUser, config::kLauncherKey, name);
    }

    // Creates the main window (creation handler and start-up switches); true when the process
    // carries on.
    bool create(std::vector<std::string> arguments = {}) {
        launcher.reset();
        services = std::make_unique<platform::Platform>(fake.platform(std::move(arguments)));
        launcher = std::make_unique<app::Launcher>(*services);
        return launcher->frmMain.create();
    }
    // The whole start-up: creation, then the first paint.
    app::MainForm& start(std::vector<std::string> arguments = {}) {
        EXPECT_TRUE(create(std::move(arguments)));
        return firstPaint();
    }
    // The main window shown and painted for the first time.
    app::MainForm& firstPaint() {
        launcher->frmMain.show();
        launcher->frmMain.paint();
        return launcher->frmMain;
    }

    // A new machine: the launcher ends and every fake starts empty.
    void resetAll() {
        launcher.reset();
        services.reset();
        fake.~FakePlatform();
        new (&fake) platform::fake::FakePlatform();
    }

    platform::fake::FakePlatform fake;
    std::unique_ptr<platform::Platform> services;
    std::unique_ptr<app::Launcher> launcher;
};

} // namespace quarl::tests
