#include "LauncherFixture.h"

namespace quarl::tests {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

class Startup : public LauncherFixture {
protected:
    app::MainForm& startWithWizard(std::vector<std::string> arguments = {}) {
        return start(std::move(arguments));
    }
};

struct GameButtons {
    bool rsEnabled, uoEnabled, coEnabled;
    bool rsSelected, uoSelected, coSelected;
    friend bool operator==(const GameButtons&, const GameButtons&) = default;
    friend std::ostream& operator<<(std::ostream& out, const GameButtons& b) {
        return out << "enabled " << b.rsEnabled << b.uoEnabled << b.coEnabled << " selected "
                   << b.rsSelected << b.uoSelected << b.coSelected;
    }
};

GameButtons Buttons(const app::MainForm& m) {
    return {m.rbRS.enabled,    m.rbUO.enabled,    m.rbCO.enabled,
            m.rbRS.selected(), m.rbUO.selected(), m.rbCO.selected()};
}

TEST_F(Startup, AllThreeGamesWithoutGameTypeSelectNoGame) {
    installGame(true, true, true);
    auto& main = start();
    EXPECT_EQ(Buttons(main), (GameButtons{true, true, true, false, false, false}));
    EXPECT_TRUE(main.btnLaunch.enabled);
    EXPECT_TRUE(main.btnSettings.enabled);
    EXPECT_TRUE(main.mnuLaunch.enabled);
    EXPECT_TRUE(fake.dialogs.shown().empty());
}

TEST_F(Startup, GameTypeSelectsItsGameWhenAllArePresent) {
    installGame(true, true, true);
    setLauncherDword("GameType", 2);
    auto& main = start();
    EXPECT_EQ(Buttons(main), (GameButtons{true, true, true, false, true, false}));
    EXPECT_TRUE(main.ListBox1.multiSelect());
    EXPECT_FALSE(main.chkDeleteKit.enabled);
}

TEST_F(Startup, AnInstalledSavedGameStaysAndAMissingOneFallsBackToAnInstalledOne) {
    const struct {
        bool rs, uo, co;
        std::uint32_t gameType;
        GameButtons expected;
    } rows[] = {
        // Saved and installed: kept, also with an expansion missing.
        {true, false, true, 1, {true, false, true, true, false, false}},
        {true, true, false, 2, {true, true, false, false, true, false}},
        {true, true, false, 1, {true, true, false, true, false, false}},
        // Saved but missing: Covert Ops when Urban Ops is missing, Rogue Spear without Covert Ops.
        {true, false, true, 2, {true, false, true, false, false, true}},
        {true, true, false, 3, {true, true, false, true, false, false}},
        // Nothing saved and all three installed: none selected, as before.
        {true, true, true, 0, {true, true, true, false, false, false}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.rs << row.uo << row.co << " " << row.gameType);
        resetAll();
        installGame(row.rs, row.uo, row.co);
        setLauncherDword("GameType", row.gameType);
        EXPECT_EQ(Buttons(start()), row.expected);
    }
}

TEST_F(Startup, UrbanOpsAloneCountsAsAbsentAndTheGameIsReportedMissing) {
    installGame(false, true, false);
    auto& main = start();
    EXPECT_FALSE(launcher->session.urbanOps);
    EXPECT_EQ(Buttons(main).rsEnabled || Buttons(main).uoEnabled || Buttons(main).coEnabled, false);
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    const auto& box = fake.dialogs.shown().front();
    EXPECT_EQ(box.caption, "Error!");
    EXPECT_EQ(box.text,
              "Rogue Spear was not found!\n\r\n\rMost Launcher features will be disabled.");
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

TEST_F(Startup, OnlyCovertOpsCanStillLaunch) {
    installGame(false, false, true);
    auto& main = start();
    EXPECT_EQ(Buttons(main), (GameButtons{false, false, true, false, false, true}));
    EXPECT_TRUE(main.btnLaunch.enabled);
    EXPECT_TRUE(main.btnSettings.enabled);
    EXPECT_TRUE(fake.dialogs.shown().empty());
}

TEST_F(Startup, NoGameDisablesTheLaunchFeatures) {
    setLauncher("UseNetwork", "TRUE");
    setLauncher("UseMod", "TRUE");
    setLauncherDword("GameType", 2); // Urban Ops, whose Use Mod reaction rewrites ModsSettings.txt
    auto& main = start();
    EXPECT_TRUE(launcher->session.gameKeyPath.empty());
    for (const auto* item :
         {&main.mnuLaunchTool, &main.mnuWizard, &main.mnuAddressBook, &main.mnuLaunch,
          &main.mnuSettings, &main.mnuModInfo, &main.mnuBoundkeys, &main.mnuKitrestrictions,
          &main.mnuPingDetails, &main.tbAddressBook, &main.btnLaunch, &main.btnSettings})
        EXPECT_FALSE(item->enabled) << item->name;
    EXPECT_FALSE(main.chkUseNetwork.checked());
    EXPECT_FALSE(main.chkUseNetwork.enabled);
    EXPECT_FALSE(main.chkUseMod.checked());
    EXPECT_FALSE(main.chkUseMod.enabled);
    // Unchecking Network Game ran its reaction.
    EXPECT_FALSE(main.rbJoin.enabled);
    EXPECT_FALSE(main.txtIPAddress.enabled);
    // Nothing is written into the root of HKEY_LOCAL_MACHINE.
    EXPECT_FALSE(fake.registry.readValue(RootKey::LocalMachine, "", "ModsPath"));
    EXPECT_EQ(launcher->session.modsFolder, "");
    // Nor a ModsSettings.txt into the root of the drive.
    EXPECT_FALSE(fake.files.fileExists("\\ModsSettings.txt"));
    EXPECT_EQ(fake.dialogs.shown().size(), 1u);
}

TEST_F(Startup, DemoKeyIsUsedOnlyWhenTheFullGameKeyHasNoInstallationPath) {
    installGame(true, false, false, std::string(config::kDemoGameKey));
    fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "InstallationPath", "");
    start();
    EXPECT_EQ(launcher->session.gameKeyPath, config::kDemoGameKey);
    EXPECT_TRUE(launcher->session.rogueSpear);
}

TEST_F(Startup, PresenceUsesTheFixedFileNamesNotTheExecutableNameValues) {
    installGame(false, false, true);
    fake.files.addFile(GamePath("Custom.exe"));
    setLauncher("EXEName", "Custom.exe");
    start();
    EXPECT_FALSE(launcher->session.rogueSpear);
}

TEST_F(Startup, MissingModsPathIsWrittenAndFormsTheModsFolder) {
    installGame(true, false, false);
    fake.registry.deleteValue(RootKey::LocalMachine, config::kGameKey, "ModsPath");
    start();
    const auto modsPath =
        fake.registry.readValue(RootKey::LocalMachine, config::kGameKey, "ModsPath");
    ASSERT_TRUE(modsPath);
    EXPECT_EQ(modsPath->text, "\\mods");
    EXPECT_EQ(launcher->session.modsFolder, "C:\\Games\\Rogue Spear\\mods\\");
}

TEST_F(Startup, LauncherKeyDefaultsAreWritten) {
    installGame(true, false, false);
    fake.registry.setString(RootKey::CurrentUser, config::kLauncherKey, "InstallationPath",
                            "C:\\Quarl");
    setLauncher("UOEXEName", "UO2.exe");
    setLauncher("COEXEName", "");
    start();
    EXPECT_EQ(launcherString("Version"), "2.10");
    EXPECT_EQ(launcherString("EXEName"), "RogueSpear.exe");
    EXPECT_EQ(launcherString("UOEXEName"), "UO2.exe");
    EXPECT_EQ(launcherString("COEXEName"), "CovertOperations.exe");
    EXPECT_EQ(launcher->application.helpFile, "C:\\Quarl\\launcher.hlp");
    EXPECT_EQ(launcher->frmMain.lblVersion.caption, "v2.10");
}

TEST_F(Startup, SavedStateIsRestoredAndTextBooleansAreExact) {
    installGame(true, true, true);
    setLauncher("Port", "");
    setLauncher("Host", "true");
    setLauncher("DeleteKit", "TRUE");
    setLauncher("UseMod", "TRUE");
    setLauncher("UseNetwork", "TRUE");
    setLauncherDword("GameType", 1);
    auto& main = start();
    EXPECT_EQ(main.txtPort.text, "2346");
    EXPECT_TRUE(main.rbJoin.selected()); // "true" is not "TRUE"
    EXPECT_FALSE(main.rbHost.selected());
    EXPECT_TRUE(main.chkDeleteKit.checked());
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_TRUE(main.ListBox1.enabled);
    EXPECT_TRUE(main.mnuModInfo.enabled);
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.txtIPAddress.enabled);
    EXPECT_TRUE(main.btnAddAddress.enabled);
    EXPECT_TRUE(main.PingTimer.enabled);
    EXPECT_TRUE(main.rbRS.selected());
    EXPECT_FALSE(main.ListBox1.multiSelect());
}

TEST_F(Startup, NetworkHostKeepsTheAddressFieldDisabled) {
    installGame(true, false, false);
    setLauncher("Host", "TRUE");
    setLauncher("UseNetwork", "TRUE");
    setLauncher("Port", "2400");
    auto& main = start();
    EXPECT_TRUE(main.rbHost.selected());
    EXPECT_TRUE(main.txtPort.enabled);
    EXPECT_EQ(main.txtPort.text, "2400");
    EXPECT_FALSE(main.txtIPAddress.enabled);
    EXPECT_FALSE(main.btnAddAddress.enabled);
}

TEST_F(Startup, NetworkOffDisablesTheNetworkControls) {
    installGame(true, false, false);
    auto& main = start();
    EXPECT_FALSE(main.chkUseNetwork.checked());
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &main.rbJoin, &main.rbHost, &main.txtPort, &main.txtIPAddress, &main.btnAddAddress})
        EXPECT_FALSE(c->enabled) << c->name;
    EXPECT_FALSE(main.PingTimer.enabled);
}

TEST_F(Startup, DisabledPingNeverEnablesTheTimer) {
    installGame(true, false, false);
    setLauncher("UseNetwork", "TRUE");
    setLauncher("DisablePing", "TRUE");
    auto& main = start();
    EXPECT_TRUE(launcher->session.PingDisabled);
    EXPECT_FALSE(main.PingTimer.enabled);
}

TEST_F(Startup, InstallAsFirstArgumentInAnyCaseAsksForTheWizard) {
    installGame(true, false, false);
    fake.dialogs.answerNext(MessageResult::Yes);
    startWithWizard({"-install"});
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    const auto& box = fake.dialogs.shown().front();
    EXPECT_EQ(box.text, "Would you like to use the Wizard Interface?");
    EXPECT_EQ(box.caption, "Question");
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_EQ(box.defaultButton, 2);
    const auto wizard = launcherValue("Wizard");
    ASSERT_TRUE(wizard);
    EXPECT_EQ(wizard->number, 1u);
    EXPECT_TRUE(launcher->frmWiz.visible());
}

TEST_F(Startup, InstallAnsweredNoWritesNothingAndAsSecondArgumentAsksNothing) {
    installGame(true, false, false);
    startWithWizard({"-INSTALL"}); // the default button is No
    EXPECT_FALSE(launcherValue("Wizard"));
    EXPECT_FALSE(launcher->frmWiz.visible());

    fake.dialogs = {};
    start({"-RS", "-INSTALL"});
    EXPECT_TRUE(fake.dialogs.shown().empty());
}

TEST_F(Startup, WizardFlagOpensTheWizardOnlyWithoutArguments) {
    installGame(true, false, false);
    setLauncherDword("Wizard", 1);
    startWithWizard({"-RS"});
    EXPECT_FALSE(launcher->frmWiz.visible());
    startWithWizard();
    EXPECT_TRUE(launcher->frmWiz.visible());
    EXPECT_EQ(launcher->frmWiz.page(), 0);
    // No game: the menu item is disabled and the wizard stays closed.
    resetAll();
    setLauncherDword("Wizard", 1);
    start();
    EXPECT_FALSE(launcher->frmWiz.visible());
}

TEST_F(Startup, FirstPaintRunsOnceAndHoldsTheLauncherMutex) {
    installGame(true, false, false);
    setLauncherDword("Wizard", 1);
    auto& main = startWithWizard();
    EXPECT_EQ(fake.kernel.openHandles("QUARLLAUNCHER"), 1);
    EXPECT_FALSE(launcher->session.StartupInProgress);
    launcher->frmWiz.hide();
    main.paint();
    main.paint();
    EXPECT_FALSE(launcher->frmWiz.visible());
    EXPECT_EQ(fake.kernel.mutexCreations(), 1);
    launcher.reset();
    EXPECT_EQ(fake.kernel.openHandles("QUARLLAUNCHER"), 0);
}

TEST_F(Startup, APaintDuringTheFirstPaintsMessagePumpDoesNotRepeatIt) {
    installGame(true, false, false);
    setLauncherDword("Wizard", 1);
    int nested = 0;
    ASSERT_TRUE(create());
    fake.messages.onPump = [&] {
        if (launcher->session.StartupInProgress && nested++ == 0)
            launcher->frmMain.paint();
    };
    launcher->frmMain.paint();
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(launcher->session.StartupInProgress);
}

TEST_F(Startup, AFirstPaintThatFailsStillEndsStartUp) {
    installGame(true, false, false);
    setLauncher("Wizard", "yes"); // a flag stored with the wrong type
    ASSERT_TRUE(create());
    EXPECT_THROW(firstPaint(), platform::RegistryError);
    EXPECT_FALSE(launcher->session.StartupInProgress) << "the game buttons restore the last mod";
    EXPECT_NO_THROW(launcher->frmMain.paint()) << "the one-time work is not tried again";
}

TEST_F(Startup, CompanionProgramsAreDetectedByTheirFiles) {
    installGame(true, false, false);
    fake.registry.setString(RootKey::LocalMachine, "Software\\RSStats\\", "RecorderPath",
                            "C:\\Stats");
    fake.files.addFile("C:\\Stats\\RSStatsRecorder.exe");
    fake.registry.setString(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                            "C:\\Kali");
    fake.files.addFile("C:\\Kali\\kali.exe");
    fake.registry.setString(RootKey::CurrentUser, "Software\\GameSpy\\GameSpy 3D", "InstallDir",
                            "C:\\GameSpy");
    fake.files.addFile("C:\\GameSpy\\gamespy.exe");
    auto& main = start();
    EXPECT_TRUE(main.mnuStats.enabled);
    EXPECT_TRUE(main.tbStats.enabled);
    // Kali's folder must end in a backslash: "C:\Kalikali.exe" does not exist.
    EXPECT_FALSE(main.mnuKali.enabled);
    EXPECT_FALSE(main.tbKali.enabled);
    EXPECT_FALSE(main.mnuRogerWilco.enabled);
    EXPECT_FALSE(main.tbRogerWilco.enabled);
    EXPECT_TRUE(main.tbGameSpy.enabled);
    EXPECT_TRUE(main.mnuGameSpy.enabled);
}

} // namespace
} // namespace quarl::tests
