#include "LauncherFixture.h"

namespace quarl::tests {
namespace {

class MainWindow : public LauncherFixture {};

TEST_F(MainWindow, CovertOpsKeepsUseModCheckedButDisabledAndRogueSpearEnablesItAgain) {
    installGame(true, true, true);
    setLauncher("UseMod", "TRUE");
    setLauncherDword("GameType", 1);
    auto& main = start();
    ASSERT_TRUE(main.chkUseMod.checked());
    main.rbCO.click();
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_FALSE(main.chkUseMod.enabled);
    EXPECT_FALSE(main.ListBox1.enabled);
    EXPECT_FALSE(main.chkDeleteKit.enabled);
    main.rbRS.click();
    EXPECT_TRUE(main.chkUseMod.enabled);
    EXPECT_TRUE(main.ListBox1.enabled);
    EXPECT_TRUE(main.chkDeleteKit.enabled);
    EXPECT_FALSE(main.ListBox1.multiSelect());
    main.rbUO.click();
    EXPECT_TRUE(main.ListBox1.multiSelect());
    EXPECT_FALSE(main.chkDeleteKit.enabled);
    EXPECT_TRUE(main.ListBox1.enabled);
}

TEST_F(MainWindow, NetworkGameWithHostSelectedLeavesTheAddressFieldDisabled) {
    installGame(true, false, false);
    setLauncher("Host", "TRUE");
    auto& main = start();
    main.chkUseNetwork.click();
    EXPECT_TRUE(main.rbJoin.enabled);
    EXPECT_TRUE(main.rbHost.enabled);
    EXPECT_TRUE(main.txtPort.enabled);
    EXPECT_FALSE(main.txtIPAddress.enabled);
    EXPECT_FALSE(main.btnAddAddress.enabled);
    main.rbJoin.click();
    EXPECT_TRUE(main.txtIPAddress.enabled);
    EXPECT_TRUE(main.btnAddAddress.enabled);
    main.chkUseNetwork.click();
    EXPECT_FALSE(main.rbJoin.enabled);
    EXPECT_FALSE(main.txtIPAddress.enabled);
    EXPECT_FALSE(main.txtPort.enabled);
}

TEST_F(MainWindow, UseModEnablesTheListAndModInfo) {
    installGame(true, false, false);
    auto& main = start();
    EXPECT_FALSE(main.ListBox1.enabled);
    main.chkUseMod.click();
    EXPECT_TRUE(main.ListBox1.enabled);
    EXPECT_TRUE(main.mnuModInfo.enabled);
    main.chkUseMod.click();
    EXPECT_FALSE(main.ListBox1.enabled);
    EXPECT_FALSE(main.mnuModInfo.enabled);
}

TEST_F(MainWindow, TheModInformationWindowHoldsTheMainWindowUntilItCloses) {
    installGame(true, false, false);
    setLauncher("UseMod", "TRUE");
    auto& main = start();
    EXPECT_TRUE(main.mnuModInfo.available()) << "Use Mod enables the item";
    for (const auto& open : {main.mnuModInfo.onClick, main.ListBox1.onDoubleClick}) {
        open();
        EXPECT_FALSE(main.enabled);
        EXPECT_TRUE(launcher->frmModInfo.visible());
        launcher->frmModInfo.requestClose(); // the system's close keystroke, as "&Ok"
        EXPECT_TRUE(main.enabled);
    }
}

TEST_F(MainWindow, HintsGoToTheStatusBarAfterASpace) {
    installGame(true, false, false);
    auto& main = start();
    launcher->application.setHint(main.btnLaunch.hint);
    EXPECT_EQ(main.StatusBar1.text, " Launch Game");
}

TEST_F(MainWindow, ClosingSavesTheSixValues) {
    installGame(true, true, true);
    auto& main = start();
    main.rbRS.deselect(); // all three present and no GameType: nothing selected anyway
    main.txtPort.text = "2500";
    main.chkUseNetwork.click();
    main.rbHost.click();
    main.chkUseMod.click();
    main.close();
    EXPECT_TRUE(main.closed());
    const auto gameType = launcherValue("GameType");
    ASSERT_TRUE(gameType);
    EXPECT_EQ(gameType->kind, platform::RegistryValue::Kind::Dword);
    EXPECT_EQ(gameType->number, 0u);
    EXPECT_EQ(launcherString("Port"), "2500");
    EXPECT_EQ(launcherString("Host"), "TRUE");
    EXPECT_EQ(launcherString("DeleteKit"), "FALSE");
    EXPECT_EQ(launcherString("UseNetwork"), "TRUE");
    EXPECT_EQ(launcherString("UseMod"), "TRUE");
}

TEST_F(MainWindow, SavedStateComesBackOnTheNextStart) {
    installGame(true, true, true);
    auto& first = start();
    first.rbUO.click();
    first.chkDeleteKit.setChecked(true);
    first.chkUseNetwork.click();
    first.txtPort.text = "2401";
    first.close();
    auto& second = start();
    EXPECT_TRUE(second.rbUO.selected());
    EXPECT_TRUE(second.chkDeleteKit.checked());
    EXPECT_TRUE(second.chkUseNetwork.checked());
    EXPECT_TRUE(second.rbJoin.selected());
    EXPECT_EQ(second.txtPort.text, "2401");
}

// A state save that fails (here Urban Ops' read-only mods file) is reported, and the window
// closes all the same: otherwise only killing the process would end the launcher.
TEST_F(MainWindow, AFailingStateSaveIsReportedAndTheWindowClosesAnyway) {
    installGame(true, true, true);
    addMod("SWAT");
    setLauncherDword("GameType", 2);
    setLauncher("UseMod", "TRUE");
    fake.files.addFile(GamePath("ModsSettings.txt"));
    fake.files.setReadOnly(GamePath("ModsSettings.txt"));
    auto& main = start();
    EXPECT_THROW(main.requestClose(), platform::FileError);
    EXPECT_TRUE(main.closed());
    EXPECT_FALSE(main.visible());
}

TEST_F(MainWindow, ExitClosesTheWindow) {
    installGame(true, false, false);
    auto& main = start();
    main.mnuExit.click();
    EXPECT_TRUE(main.closed());
    EXPECT_EQ(launcherValue("GameType")->number, 1u);
}

} // namespace
} // namespace quarl::tests
