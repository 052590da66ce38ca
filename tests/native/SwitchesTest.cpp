#include "LauncherFixture.h"
#include "app/Switches.h"

namespace quarl::tests {
namespace {

class Switches : public LauncherFixture {
protected:
    void addMods() {
        for (const auto* mod : {"SWAT", "Tactical Realism", "Urban Assault"})
            addMod(mod);
    }
};

TEST_F(Switches, ClientInAnyCaseJoinsTheGivenAddressAndPort) {
    installGame(true, false, false);
    auto& main = start({"-client", "10.0.0.5", "2400"});
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.rbJoin.selected());
    EXPECT_FALSE(main.rbHost.selected());
    EXPECT_EQ(main.txtIPAddress.text, "10.0.0.5");
    EXPECT_EQ(main.txtPort.text, "2400");
    for (const auto* control : std::initializer_list<const ui::Control*>{
             &main.rbJoin, &main.rbHost, &main.txtPort, &main.txtIPAddress, &main.btnAddAddress})
        EXPECT_TRUE(control->enabled) << control->name;
}

TEST_F(Switches, ClientAsTheLastArgumentChangesNeitherField) {
    installGame(true, false, false);
    setLauncher("Host", "TRUE");
    auto& main = start();
    main.txtIPAddress.text = "10.1.1.1";
    main.txtPort.text = "2500";
    app::ApplyHandedOverSwitches(*launcher, {"-CLIENT"});
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.rbJoin.selected());
    EXPECT_EQ(main.txtIPAddress.text, "10.1.1.1");
    EXPECT_EQ(main.txtPort.text, "2500");
}

TEST_F(Switches, HandedOverUninstallIsIgnored) {
    installGame(true, false, true);
    setLauncher("Patched", "True");
    setLauncher("EXEName", "RSpear.exe");
    auto& main = start({"-RS"});
    app::ApplyHandedOverSwitches(*launcher, {"-UNINSTALL", "-CO"});
    EXPECT_TRUE(main.rbCO.selected()) << "the list goes on past it";
    EXPECT_EQ(launcherString("Patched"), "True");
    EXPECT_EQ(launcherString("EXEName"), "RSpear.exe");
}

TEST_F(Switches, ATakenValueIsStillVisitedAsASwitch) {
    installGame(true, false, false);
    auto& main = start({"-CLIENT", "-NONET", "2400"});
    EXPECT_EQ(main.txtIPAddress.text, "-NONET");
    EXPECT_EQ(main.txtPort.text, "2400");
    EXPECT_FALSE(main.chkUseNetwork.checked()) << "-NONET ran after -CLIENT";
    EXPECT_FALSE(main.txtIPAddress.enabled);
}

TEST_F(Switches, HostWithAPortThenNoNetTurnsTheNetworkOffAndDeselectsHost) {
    installGame(true, false, false);
    auto& server = start({"-Server", "2402"}); // as -HOST
    EXPECT_TRUE(server.chkUseNetwork.checked());
    EXPECT_TRUE(server.rbHost.selected());
    EXPECT_EQ(server.txtPort.text, "2402");
    EXPECT_FALSE(server.txtIPAddress.enabled);

    auto& main = start({"-HOST", "2401", "-NONET"});
    EXPECT_FALSE(main.chkUseNetwork.checked());
    EXPECT_FALSE(main.rbHost.selected());
    EXPECT_FALSE(main.rbJoin.selected());
    EXPECT_EQ(main.txtPort.text, "2401");
    for (const auto* control : std::initializer_list<const ui::Control*>{
             &main.rbJoin, &main.rbHost, &main.txtPort, &main.txtIPAddress, &main.btnAddAddress})
        EXPECT_FALSE(control->enabled) << control->name;
}

TEST_F(Switches, GameSwitchesSelectPresentGamesInOrderAndIgnoreAbsentOnes) {
    installGame(true, true, false);
    auto& main = start({"-RS", "-UO", "-CO"});
    EXPECT_TRUE(main.rbUO.selected());
    EXPECT_FALSE(main.rbCO.selected());
    EXPECT_TRUE(main.ListBox1.multiSelect()) << "Urban Ops' click reaction ran";
    start({"-UO", "-rs"});
    EXPECT_TRUE(launcher->frmMain.rbRS.selected());
}

TEST_F(Switches, ModsChecksUseModAndMakesTheNamedModTheCurrentEntry) {
    installGame(true, true, false);
    addMods();
    ASSERT_TRUE(create({"-RS", "-MODS", "Tactical Realism"}));
    auto& main = launcher->frmMain;
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_TRUE(main.ListBox1.enabled);
    EXPECT_TRUE(main.mnuModInfo.enabled) << "Use Mod's click reaction ran";
    EXPECT_EQ(main.ListBox1.itemIndex(), 1);
    EXPECT_TRUE(main.ListBox1.isSelected(1));

    // Urban Ops lists several: the named one only takes the focus. Names match exactly.
    ASSERT_TRUE(create({"-UO", "-MODS", "SWAT", "-MODS", "swat"}));
    auto& again = launcher->frmMain;
    EXPECT_EQ(again.ListBox1.itemIndex(), 0);
    EXPECT_FALSE(again.ListBox1.isSelected(0));
}

TEST_F(Switches, ModsWithoutAMatchSelectsNothingNewAndNoModsTurnsModsOff) {
    installGame(true, false, false);
    addMods();
    auto& main = start({"-MODS", "No Such Mod"});
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_TRUE(main.ListBox1.enabled);
    EXPECT_EQ(main.ListBox1.itemIndex(), -1);
    auto& off = start({"-MODS", "-NOMODS"});
    EXPECT_FALSE(off.chkUseMod.checked());
    EXPECT_FALSE(off.ListBox1.enabled);
    EXPECT_FALSE(off.mnuModInfo.enabled);
}

} // namespace
} // namespace quarl::tests
