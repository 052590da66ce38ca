#include "LauncherFixture.h"
#include "companions/ServicePatching.h"

namespace quarl::tests {
namespace {

using namespace std::string_literals;

const std::string kRogueSpearEntry = "Software\\GameSpy\\GameSpy 3D\\Rogue Spear";
const std::string kUrbanOpsEntry = "Software\\GameSpy\\GameSpy 3D\\Urban Operations";
const std::string kCovertOpsEntry = "Software\\GameSpy\\GameSpy 3D\\Covert Operations";

class Uninstall : public LauncherFixture {
protected:
    // The Zone/MPlayer patch in place for Rogue Spear and Urban Ops, GameSpy and Kali pointing
    // at the launcher.
    void installPatched() {
        installGame(true, true, true);
        fake.files.addFile(GamePath("RogueSpear.exe"), "redirect");
        fake.files.addFile(GamePath("RSpear.exe"), "rogue spear");
        fake.files.addFile(GamePath("UrbanOperations.exe"), "redirect");
        fake.files.addFile(GamePath("UOperations.exe"), "urban ops");
        fake.files.addFile(GamePath("CovertOperations.exe"), "covert ops");
        setLauncher("EXEName", "RSpear.exe");
        setLauncher("UOEXEName", "UOperations.exe");
        setLauncher("COEXEName", "COperations.exe");
        gameSpy(kRogueSpearEntry, "Cmdline", "Launcher.exe --rs");
        gameSpy(kUrbanOpsEntry, "Cmdline", "Launcher.exe --uo");
        gameSpy(kCovertOpsEntry, "MRU", "Other.exe\n");
        fake.registry.setDword(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Settings",
                               "LaunchCount", 3);
        for (const auto* entry : {"LaunchInfo0", "LaunchInfo1", "LaunchInfo2"})
            kali(entry, "GameExe", "C:\\Quarl\\Launcher.exe");
        kali("LaunchInfo0", "Game214", "1");
        kali("LaunchInfo2", "Game214", "1");
    }
    void markers(const char* patched, const char* gameSpy, const char* kali) {
        setLauncher("Patched", patched);
        setLauncher("GameSpyPatched", gameSpy);
        setLauncher("KaliPatched", kali);
    }
    void gameSpy(const std::string& key, const char* name, std::string text) {
        fake.registry.setString(RootKey::CurrentUser, key, name, std::move(text));
    }
    void kali(const std::string& entry, const char* name, std::string text) {
        fake.registry.setString(RootKey::CurrentUser, "Software\\Kali\\Kali95\\" + entry, name,
                                std::move(text));
    }
    std::string read(const std::string& key, const char* name) const {
        const auto value = fake.registry.readValue(RootKey::CurrentUser, key, name);
        return value ? value->text : "<missing>";
    }
    std::string file(const std::string& name) const {
        const auto* content = fake.files.content(GamePath(name));
        return content ? *content : "<missing>";
    }
    // The registry writes made by the switches: those after the creation handler's last pump.
    int switchWrites(std::vector<std::string> arguments) {
        int before = -1;
        fake.messages.onPump = [&] { before = fake.registry.writeCount(); };
        EXPECT_FALSE(create(std::move(arguments))) << "the process ends";
        return fake.registry.writeCount() - before;
    }
};

TEST_F(Uninstall, WithNoMarkerExactlyTrueNothingIsWritten) {
    installPatched();
    markers("TRUE", "true", "False"); // only "True" counts
    EXPECT_EQ(switchWrites({"-UNINSTALL"}), 0);
    EXPECT_EQ(file("RogueSpear.exe"), "redirect");
    EXPECT_EQ(launcherString("EXEName"), "RSpear.exe");
    EXPECT_EQ(read(kRogueSpearEntry, "Cmdline"), "Launcher.exe --rs");
}

TEST_F(Uninstall, AnyMarkerReversesEveryServiceAndTheProcessEnds) {
    installPatched();
    markers("False", "False", "True");
    EXPECT_GT(switchWrites({"-rs", "-uninstall", "-CLIENT", "10.0.0.9"}), 0);
    EXPECT_NE(launcher->frmMain.txtIPAddress.text, "10.0.0.9") << "later switches never run";

    // Executables back from their backups, which stay; Covert Ops had none and is left alone.
    EXPECT_EQ(file("RogueSpear.exe"), "rogue spear");
    EXPECT_EQ(file("UrbanOperations.exe"), "urban ops");
    EXPECT_EQ(file("RSpear.exe"), "rogue spear");
    EXPECT_EQ(file("CovertOperations.exe"), "covert ops");
    EXPECT_EQ(file("COperations.exe"), "<missing>");
    EXPECT_EQ(launcherString("EXEName"), "RogueSpear.exe");
    EXPECT_EQ(launcherString("UOEXEName"), "UrbanOperations.exe");
    EXPECT_EQ(launcherString("COEXEName"), "CovertOperations.exe");

    // GameSpy entries with a command line point at the game; the others are not created.
    EXPECT_EQ(read(kRogueSpearEntry, "Cmdline"), "RogueSpear.exe");
    EXPECT_EQ(read(kRogueSpearEntry, "MRU"), "RogueSpear.exe\n");
    EXPECT_EQ(read(kRogueSpearEntry, "WorkDir"), GamePath(""));
    EXPECT_EQ(read(kUrbanOpsEntry, "Cmdline"), "UrbanOperations.exe");
    EXPECT_EQ(read(kUrbanOpsEntry, "MRU"), "UrbanOperations.exe\n");
    EXPECT_EQ(read(kUrbanOpsEntry, "WorkDir"), GamePath(""));
    EXPECT_EQ(read(kCovertOpsEntry, "MRU"), "Other.exe\n");
    EXPECT_EQ(read(kCovertOpsEntry, "Cmdline"), "<missing>");

    // Kali: only Rogue Spear's entries, found by "Game214".
    const auto kaliEntry = [&](const char* entry) {
        return read("Software\\Kali\\Kali95\\"s + entry, "GameExe");
    };
    EXPECT_EQ(kaliEntry("LaunchInfo0"), GamePath("RogueSpear.exe"));
    EXPECT_EQ(kaliEntry("LaunchInfo1"), "C:\\Quarl\\Launcher.exe");
    EXPECT_EQ(kaliEntry("LaunchInfo2"), GamePath("RogueSpear.exe"));

    EXPECT_EQ(launcherString("Patched"), "False");
    EXPECT_EQ(launcherString("GameSpyPatched"), "False");
    EXPECT_EQ(launcherString("KaliPatched"), "False");
}

TEST_F(Uninstall, AFailedCopyNamesTheFileAndAbandonsTheRest) {
    installPatched();
    markers("True", "True", "True");
    fake.files.setReadOnly(GamePath("RogueSpear.exe")); // the plain copy does not clear it
    try {
        create({"-UNINSTALL"});
        ADD_FAILURE() << "the copy did not fail";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + GamePath("RogueSpear.exe"));
    }
    EXPECT_EQ(file("UrbanOperations.exe"), "urban ops") << "copied before the failure";
    EXPECT_EQ(file("RogueSpear.exe"), "redirect");
    EXPECT_EQ(launcherString("Patched"), "True");
    EXPECT_EQ(launcherString("EXEName"), "RSpear.exe");
    EXPECT_EQ(read(kRogueSpearEntry, "Cmdline"), "Launcher.exe --rs");
    // Its window opens after all, as the one launcher that takes later starts' hand-overs.
    EXPECT_TRUE(fake.kernel.sharedMemoryExists("Launcher.exe"));
    EXPECT_EQ(fake.kernel.semaphoreCount("Launcher.exeSem"), 1);
}

// Without a game folder every path would name the drive's root: GameSpy's "WorkDir" would
// become "\" and Kali's "GameExe" "\RogueSpear.exe". Nothing is written, so the markers still
// say the patch is in place for an uninstall once the game is found again.
TEST_F(Uninstall, WithoutAGameInstallationNothingIsWrittenOrCopied) {
    fake.files.addFile("\\UOperations.exe", "backup");
    fake.files.addFile("\\UrbanOperations.exe", "someone's file");
    markers("True", "True", "True");
    setLauncher("EXEName", "RSpear.exe");
    gameSpy(kRogueSpearEntry, "Cmdline", "Launcher.exe --rs");
    fake.registry.setDword(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Settings", "LaunchCount",
                           1);
    kali("LaunchInfo0", "Game214", "1");
    EXPECT_EQ(switchWrites({"-UNINSTALL"}), 0);
    EXPECT_EQ(*fake.files.content("\\UrbanOperations.exe"), "someone's file");
    EXPECT_EQ(read(kRogueSpearEntry, "WorkDir"), "<missing>");
    EXPECT_EQ(read("Software\\Kali\\Kali95\\LaunchInfo0", "GameExe"), "<missing>");
    EXPECT_EQ(launcherString("Patched"), "True");
}

TEST_F(Uninstall, TheLaunchToolsCopyReplacesAReadOnlyExecutableAndLeavesItArchiveOnly) {
    installGame(true, false, false);
    ASSERT_TRUE(create());
    fake.files.addFile(GamePath("redirect.exe"), "redirect");
    fake.files.setReadOnly(GamePath("RogueSpear.exe"));
    companions::CopyGameFile(fake.files, GamePath("redirect.exe"), GamePath("RogueSpear.exe"));
    EXPECT_EQ(file("RogueSpear.exe"), "redirect");
    EXPECT_FALSE(fake.files.readOnly(GamePath("RogueSpear.exe")));
    companions::CopyGameFile(fake.files, GamePath("redirect.exe"), GamePath("RSpear.exe"));
    EXPECT_EQ(file("RSpear.exe"), "redirect");
    EXPECT_THROW(
        companions::CopyGameFile(fake.files, GamePath("missing.exe"), GamePath("RSpear.exe")),
        platform::FileError);
}

} // namespace
} // namespace quarl::tests
