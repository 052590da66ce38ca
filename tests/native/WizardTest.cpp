#include "LauncherFixture.h"

namespace quarl::tests {
namespace {

using Choice = ui::RadioButton wizard::WizardForm::*;

class Wizard : public LauncherFixture {
protected:
    // All three games, two mods and three addresses in the history, then the wizard opened.
    wizard::WizardForm& open(int gameType = 1) {
        installGame(true, true, true);
        addMod("SWAT");
        addMod("Tactical Realism");
        setLauncher("servermru", "abc");
        setLauncher("server-a", "192.168.1.1");
        setLauncher("server-b", "10.0.0.2");
        setLauncher("server-c", "9.9.9.9");
        setLauncherDword("GameType", static_cast<std::uint32_t>(gameType));
        start().mnuWizard.click();
        return launcher->frmWiz;
    }
    // Next through every page to the summary, choosing on the way.
    void choose(ui::RadioButton& game, Choice type, const std::string& address, int mod) {
        auto& wiz = launcher->frmWiz;
        wiz.btnNext.click();
        game.click();
        wiz.btnNext.click();
        (wiz.*type).click();
        wiz.btnNext.click();
        if (wiz.page() == 3) {
            wiz.txtIPAddress.type(address);
            wiz.btnNext.click();
        }
        wiz.cbMod.choose(mod);
        wiz.btnNext.click();
    }
};

TEST_F(Wizard, NextAndBackSkipTheAddressPageUnlessJoining) {
    struct Row {
        Choice type;
        std::vector<int> forward;
        std::vector<int> backward;
    };
    const Row rows[] = {
        {&wizard::WizardForm::rbSingle, {1, 2, 4, 5}, {4, 2, 1, 0}},
        {&wizard::WizardForm::rbJoin, {1, 2, 3, 4, 5}, {4, 3, 2, 1, 0}},
        {&wizard::WizardForm::rbHost, {1, 2, 4, 5}, {4, 2, 1, 0}},
    };
    auto& wiz = open();
    for (const auto& row : rows) {
        wiz.close();
        launcher->frmMain.mnuWizard.click();
        (wiz.*row.type).click();
        SCOPED_TRACE((wiz.*row.type).caption);
        EXPECT_FALSE(wiz.btnBack.visible);
        std::vector<int> pages;
        while (wiz.page() < 5) {
            wiz.btnNext.click();
            pages.push_back(wiz.page());
            EXPECT_TRUE(wiz.btnBack.visible);
        }
        EXPECT_EQ(pages, row.forward);
        EXPECT_EQ(wiz.btnNext.caption, "&Finish");
        pages.clear();
        while (wiz.page() > 0) {
            wiz.btnBack.click();
            pages.push_back(wiz.page());
            EXPECT_EQ(wiz.btnNext.caption, "&Next");
        }
        EXPECT_EQ(pages, row.backward);
        EXPECT_FALSE(wiz.btnBack.visible);
    }
}

TEST_F(Wizard, TheSummaryIsExactlyAsWrittenWithTheFixedPort) {
    struct Row {
        Choice type;
        int mod;
        const char* text;
    };
    const Row rows[] = {
        {&wizard::WizardForm::rbSingle, -1,
         "Game Type\r\n   Single Player\r\n\r\nMod Settings\r\n   Using Mod: No\r\n"},
        {&wizard::WizardForm::rbJoin, 0,
         "Game Type\r\n   Multiplayer Client\r\n     - Host Address: 10.0.0.9\r\n"
         "     - Join Port: 2346\r\n\r\nMod Settings\r\n   Using Mod: Yes\r\n"
         "     - Mod Name: SWAT"},
        {&wizard::WizardForm::rbHost, 1,
         "Game Type\r\n   Multiplayer Host\r\n     - Host Port: 2346\r\n\r\nMod Settings\r\n"
         "   Using Mod: Yes\r\n     - Mod Name: Tactical Realism"},
    };
    auto& wiz = open();
    launcher->frmMain.txtPort.text = "2400";
    for (const auto& row : rows) {
        wiz.close();
        launcher->frmMain.mnuWizard.click();
        choose(wiz.rbRS, row.type, "10.0.0.9", row.mod);
        EXPECT_EQ(wiz.mSettings.text, row.text);
    }
}

TEST_F(Wizard, EveryShowingStartsAfreshWithTheMainWindowsListsAndKeepsTheChoices) {
    auto& wiz = open();
    EXPECT_TRUE(wiz.visible());
    EXPECT_TRUE(launcher->frmMain.enabled) << "modeless";
    const std::vector<std::string> sorted = {"10.0.0.2", "192.168.1.1", "9.9.9.9"};
    EXPECT_EQ(wiz.txtIPAddress.items, sorted);
    EXPECT_EQ(wiz.cbMod.items, (std::vector<std::string>{"SWAT", "Tactical Realism"}));
    EXPECT_FALSE(wiz.cbMod.editable);
    EXPECT_EQ(wiz.lblDescription.caption,
              "Opens Rogue Spear and starts you out at the normal in game main menu.");
    choose(wiz.rbUO, &wizard::WizardForm::rbHost, "", 1);
    EXPECT_EQ(wiz.lblDescription.caption, "Opens Rogue Spear to the Multiplayer screen and "
                                          "creates a new game that others can join.");
    wiz.txtIPAddress.text = "10.1.1.1";
    wiz.btnCancel.click();
    EXPECT_FALSE(wiz.visible());
    EXPECT_TRUE(launcher->frmMain.rbRS.selected()) << "Cancel leaves the main window alone";

    launcher->frmMain.txtIPAddress.items.push_back("1.2.3.4");
    launcher->frmMain.mnuWizard.click();
    EXPECT_EQ(wiz.page(), 0);
    EXPECT_FALSE(wiz.btnBack.visible);
    EXPECT_EQ(wiz.btnNext.caption, "&Next");
    EXPECT_EQ(wiz.txtIPAddress.items.front(), "1.2.3.4");
    EXPECT_EQ(wiz.txtIPAddress.text, "10.1.1.1");
    EXPECT_EQ(wiz.cbMod.text, "");
    EXPECT_TRUE(wiz.rbUO.selected());
    EXPECT_TRUE(wiz.rbHost.selected());
}

TEST_F(Wizard, FinishSetsTheGameFirstThenTheModThenTheNetworkAndTheAddress) {
    // Rogue Spear's last mod is Tactical Realism; the wizard picks Urban Ops with SWAT, whose
    // selection the game button's last mod restore must not undo.
    setLauncher("UseMod", "TRUE");
    setLauncher("LastMod", "Tactical Realism");
    auto& wiz = open(1);
    auto& main = launcher->frmMain;
    ASSERT_EQ(main.ListBox1.itemIndex(), 1);
    choose(wiz.rbUO, &wizard::WizardForm::rbJoin, "10.0.0.9", 0);
    wiz.btnNext.click();
    EXPECT_FALSE(wiz.visible());
    EXPECT_TRUE(main.rbUO.selected());
    EXPECT_TRUE(main.ListBox1.multiSelect());
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_TRUE(main.ListBox1.isSelected(0)) << "selected, not only focused";
    EXPECT_FALSE(main.ListBox1.isSelected(1));
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.rbJoin.selected());
    EXPECT_TRUE(main.txtIPAddress.enabled);
    EXPECT_EQ(main.txtIPAddress.text, "10.0.0.9") << "the address the summary showed";

    // Single player without a mod clears both boxes; Host leaves the address alone.
    main.mnuWizard.click();
    choose(wiz.rbRS, &wizard::WizardForm::rbSingle, "", -1);
    wiz.btnNext.click();
    EXPECT_TRUE(main.rbRS.selected());
    EXPECT_FALSE(main.chkUseMod.checked());
    EXPECT_FALSE(main.chkUseNetwork.checked());
    main.mnuWizard.click();
    wiz.txtIPAddress.text = "10.9.9.9";
    choose(wiz.rbRS, &wizard::WizardForm::rbHost, "", -1);
    wiz.btnNext.click();
    EXPECT_TRUE(main.rbHost.selected());
    EXPECT_EQ(main.txtIPAddress.text, "10.0.0.9");
}

TEST_F(Wizard, FinishWithDuplicateModNamesMakesTheLastOneCurrent) {
    auto& wiz = open(1);
    auto& main = launcher->frmMain;
    main.ListBox1.add("SWAT");
    wiz.close();
    main.mnuWizard.click();
    choose(wiz.rbRS, &wizard::WizardForm::rbSingle, "", 0);
    wiz.btnNext.click();
    EXPECT_EQ(main.ListBox1.itemIndex(), 2);
    EXPECT_FALSE(main.ListBox1.isSelected(0));
}

TEST_F(Wizard, WithOnlyCovertOpsFinishLeavesTheMainWindowsGameAlone) {
    installGame(false, false, true);
    auto& main = start();
    main.mnuWizard.click();
    auto& wiz = launcher->frmWiz;
    EXPECT_FALSE(wiz.rbRS.enabled);
    EXPECT_FALSE(wiz.rbUO.enabled);
    EXPECT_TRUE(wiz.rbRS.selected()) << "as laid out";
    choose(wiz.rbRS, &wizard::WizardForm::rbSingle, "", -1);
    wiz.btnNext.click();
    EXPECT_TRUE(main.rbCO.selected());
    EXPECT_FALSE(main.rbRS.selected());
}

} // namespace
} // namespace quarl::tests
