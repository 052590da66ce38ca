#include "LauncherFixture.h"
#include "mods/ModList.h"

namespace quarl::tests {
namespace {

class ModList : public LauncherFixture {
protected:
    void addStandardMods() {
        addMod("Urban Operations");
        addMod("classic missions");
        addMod("Covert Operations");
        fake.files.addFile(GamePath("mods\\readme.txt"));
        addMod("SWAT");
        addMod("Tactical Realism");
    }
    std::vector<std::string> items() const { return launcher->frmMain.ListBox1.items(); }
    std::vector<std::string> selected() const {
        return mods::SelectedMods(launcher->frmMain.ListBox1);
    }
    const std::string header = std::string(mods::kModsSettingsHeader) + "\r\n";
};

TEST_F(ModList, ListsModFoldersInListingOrderWithoutTheGamesOwnFolders) {
    installGame(true, true, true);
    addStandardMods();
    start();
    EXPECT_EQ(items(), (std::vector<std::string>{"SWAT", "Tactical Realism"}));
}

TEST_F(ModList, CovertOperationsIsListedOnlyWithHideCoeFalseWhileUrbanOpsIsSelected) {
    installGame(true, true, true);
    addStandardMods();
    setLauncher("HideCOE", "FALSE");
    setLauncherDword("GameType", 2);
    auto& main = start();
    EXPECT_EQ(items(), (std::vector<std::string>{"Covert Operations", "SWAT", "Tactical Realism"}));
    main.rbRS.click();
    EXPECT_EQ(items(), (std::vector<std::string>{"SWAT", "Tactical Realism"}));

    setLauncher("HideCOE", "false");
    setLauncherDword("GameType", 2);
    start();
    EXPECT_EQ(items(), (std::vector<std::string>{"SWAT", "Tactical Realism"}));
}

TEST_F(ModList, MissingModsFolderGivesAnEmptyList) {
    installGame(true, false, false);
    fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "ModsPath", "\\nowhere");
    setLauncher("UseMod", "TRUE");
    start();
    EXPECT_TRUE(items().empty());
    EXPECT_TRUE(fake.dialogs.shown().empty());
}

TEST_F(ModList, RogueSpearRestoresLastModExactly) {
    installGame(true, false, false);
    addStandardMods();
    setLauncher("UseMod", "TRUE");
    setLauncher("LastMod", "Tactical Realism");
    start();
    EXPECT_EQ(selected(), (std::vector<std::string>{"Tactical Realism"}));

    setLauncher("LastMod", "swat");
    start();
    EXPECT_TRUE(selected().empty());
}

TEST_F(ModList, ClickingAnEntryUnderRogueSpearSavesLastMod) {
    installGame(true, false, false);
    addStandardMods();
    setLauncher("UseMod", "TRUE");
    auto& main = start();
    main.ListBox1.setItemIndex(0);
    main.ListBox1.onClick();
    EXPECT_EQ(launcherString("LastMod"), "SWAT");
    // Deselecting keeps the old value.
    main.ListBox1.setItemIndex(-1);
    main.ListBox1.onClick();
    EXPECT_EQ(launcherString("LastMod"), "SWAT");
}

TEST_F(ModList, UrbanOpsSelectionRoundTripsThroughModsSettings) {
    installGame(true, true, true);
    addStandardMods();
    addMod("Close Quarters");
    setLauncher("UseMod", "TRUE");
    setLauncherDword("GameType", 2);
    fake.files.addFile(GamePath("ModsSettings.txt"),
                       header + "\"\\mods\\Close Quarters\"\r\n\"\\mods\\SWAT\"\r\n"
                                " \"\\mods\\Tactical Realism\"\r\n// \"\\mods\\x\"\r\n");
    auto& main = start();
    // List order, not file order; the line with a leading space matches nothing.
    EXPECT_EQ(selected(), (std::vector<std::string>{"SWAT", "Close Quarters"}));

    main.ListBox1.setSelected(1, true);
    main.ListBox1.onClick();
    EXPECT_EQ(*gameFile("ModsSettings.txt"),
              header + "\"\\mods\\SWAT\"\r\n\"\\mods\\Tactical Realism\"\r\n"
                       "\"\\mods\\Close Quarters\"\r\n");

    main.chkUseMod.click();
    EXPECT_EQ(*gameFile("ModsSettings.txt"), header);
}

TEST_F(ModList, ModsSettingsLinesFollowTheFixedPositionRule) {
    EXPECT_EQ(mods::ModNameOfLine("\"\\mods\\SWAT\""), "SWAT");
    EXPECT_EQ(mods::ModNameOfLine("\"\\mods\\Tactical Realism\""), "Tactical Realism");
    // The length rule, not the closing quote, decides where the name ends.
    EXPECT_EQ(mods::ModNameOfLine("\"\\mods\\SWAT\"x"), "SWAT\"");
    EXPECT_EQ(mods::ModNameOfLine("SWAT"), "SWAT");
    EXPECT_EQ(mods::ModNameOfLine("\"\\mods\\"), "");
    EXPECT_EQ(mods::ModNameOfLine("x\"\\mods\\"), "");
    EXPECT_EQ(mods::ModsSettingsText({"A B", "C"}),
              std::string(mods::kModsSettingsHeader) + "\r\n\"\\mods\\A B\"\r\n\"\\mods\\C\"\r\n");
}

TEST_F(ModList, AReadOnlyModsSettingsFileIsAnErrorOfTheSelectionSave) {
    installGame(true, true, true);
    addStandardMods();
    setLauncher("UseMod", "TRUE");
    setLauncherDword("GameType", 2);
    auto& main = start();
    fake.files.addFile(GamePath("ModsSettings.txt"), header);
    fake.files.setReadOnly(GamePath("ModsSettings.txt"));
    main.ListBox1.setSelected(0, true);
    EXPECT_THROW(main.ListBox1.onClick(), platform::FileError);
    EXPECT_EQ(*gameFile("ModsSettings.txt"), header);
}

} // namespace
} // namespace quarl::tests
