#include "LauncherFixture.h"
#include "mods/ModList.h"

namespace quarl::tests {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;

class Launch : public LauncherFixture {
protected:
    // Starts the launcher with all three games and two mods, then sets the window up as a
    // player would.
    app::MainForm& prepare(int gameType, const char* network, const char* mod) {
        installGame(true, true, true);
        addMod("SWAT", "[Game]\r\nDisableDefaultPrimaryItems=1\r\n");
        addMod("Tactical Realism", "[game]\r\ndisabledefaultsecondaryitems = 1\r\n"
                                   "DisableDefaultSpecialItems=true\r\n");
        setLauncherDword("GameType", static_cast<std::uint32_t>(gameType));
        auto& main = start();
        if (std::string(network) != "off") {
            main.chkUseNetwork.click();
            (std::string(network) == "join" ? main.rbJoin : main.rbHost).click();
            main.txtIPAddress.text = "127.0.0.1";
        }
        if (mod) {
            main.chkUseMod.setChecked(true);
            const auto& items = main.ListBox1.items();
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i] == mod)
                    main.ListBox1.setSelected(i, true);
        }
        return main;
    }
    const ShellRequest& started() {
        EXPECT_EQ(fake.shell.opened().size(), 1u);
        return fake.shell.opened().back();
    }
};

TEST_F(Launch, CommandLinesFollowTheGameTheNetworkAndTheMod) {
    struct Row {
        int game;
        const char* network;
        const char* mod;
        const char* executable;
        const char* parameters;
    };
    const Row rows[] = {
        {1, "off", nullptr, "RogueSpear.exe", ""},
        {1, "off", "SWAT", "RogueSpear.exe", "-mods SWAT "},
        {1, "off", "Tactical Realism", "RogueSpear.exe", "-mods \"Tactical Realism\" "},
        {1, "join", nullptr, "RogueSpear.exe", "-client 127.0.0.1 2346"},
        {1, "join", "SWAT", "RogueSpear.exe", "-mods SWAT -client 127.0.0.1 2346"},
        {1, "host", nullptr, "RogueSpear.exe", "-server 2346"},
        {1, "host", "SWAT", "RogueSpear.exe", "-mods SWAT -server 2346"},
        {2, "join", "SWAT", "UrbanOperations.exe", "-client 127.0.0.1 2346"},
        {2, "host", nullptr, "UrbanOperations.exe", "-server 2346"},
        {3, "join", nullptr, "CovertOperations.exe", "-client 127.0.0.1 2346"},
        {3, "off", nullptr, "CovertOperations.exe", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.executable) + " " + row.network + " " +
                     (row.mod ? row.mod : "-"));
        resetAll();
        auto& main = prepare(row.game, row.network, row.mod);
        main.btnLaunch.click();
        EXPECT_EQ(started(), (ShellRequest{"OPEN", row.executable, row.parameters, kGameFolder,
                                           ShowCommand::Normal}));
    }
}

TEST_F(Launch, NetworkValuesAreWrittenIntoTheGameKeyAsTyped) {
    auto& main = prepare(1, "join", nullptr);
    main.txtIPAddress.text = "";
    main.txtPort.text = "2400";
    main.btnLaunch.click();
    EXPECT_EQ(started().parameters, "-client  2400");
    EXPECT_EQ(gameValue("MultiplayerManualHostAddress"), "");
    EXPECT_EQ(gameValue("MultiplayerManualJoinPort"), "2400");
}

// The address and port go on the game's command line as typed: text that would add arguments
// of its own stops the launch before anything is saved, written or started.
TEST_F(Launch, AnAddressOrPortThatWouldAddArgumentsStopsTheLaunch) {
    const struct {
        const char* network;
        const char* address;
        const char* port;
    } rows[] = {
        {"join", "1.2.3.4 -mods X", "2346"}, {"join", "-nosound", "2346"},
        {"join", "server\"evil", "2346"},    {"join", "127.0.0.1", "2346 -x"},
        {"host", "ignored", "23a"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.address) + " / " + row.port);
        resetAll();
        auto& main = prepare(1, row.network, nullptr);
        main.txtIPAddress.text = row.address;
        main.txtPort.text = row.port;
        main.btnLaunch.click();
        EXPECT_TRUE(fake.shell.opened().empty());
        ASSERT_EQ(fake.dialogs.shown().size(), 1u);
        EXPECT_EQ(fake.dialogs.shown().back().caption, "Error!");
        EXPECT_EQ(launcherString("servermru"), "<missing>") << "the state was not saved";
        EXPECT_EQ(gameValue("MultiplayerManualJoinPort"), "<missing>");
        EXPECT_TRUE(main.enabled);
        EXPECT_FALSE(launcher->frmResume.visible());
    }
    // A host name with every allowed character goes through.
    resetAll();
    auto& main = prepare(1, "join", nullptr);
    main.txtIPAddress.text = "my-server_2.example.com";
    main.btnLaunch.click();
    EXPECT_EQ(started().parameters, "-client my-server_2.example.com 2346");
}

TEST_F(Launch, UrbanOpsWritesModsSettingsAndTheLastModsKitKeys) {
    auto& main = prepare(2, "off", nullptr);
    main.chkUseMod.setChecked(true);
    main.ListBox1.setSelected(0, true);
    main.ListBox1.setSelected(1, true);
    main.btnLaunch.click();
    EXPECT_EQ(*gameFile("ModsSettings.txt"), std::string(mods::kModsSettingsHeader) +
                                                 "\r\n\"\\mods\\SWAT\"\r\n"
                                                 "\"\\mods\\Tactical Realism\"\r\n");
    // From Tactical Realism's launcher.ini: only an exact "1" turns a value on.
    EXPECT_EQ(gameValue("DisableDefaultPrimaryItems"), "FALSE");
    EXPECT_EQ(gameValue("DisableDefaultSecondaryItems"), "TRUE");
    EXPECT_EQ(gameValue("DisableDefaultSpecialItems"), "FALSE");
    EXPECT_EQ(gameValue("DisableDefaultUniformItems"), "FALSE");
}

TEST_F(Launch, UrbanOpsWithoutModsLeavesNoModsSettings) {
    auto& main = prepare(2, "off", nullptr);
    fake.files.addFile(GamePath("ModsSettings.txt"), "old");
    main.btnLaunch.click();
    EXPECT_EQ(gameFile("ModsSettings.txt"), nullptr);
    EXPECT_EQ(started().file, "UrbanOperations.exe");
}

TEST_F(Launch, KitKeysAreFalseOutsideUrbanOps) {
    auto& main = prepare(1, "off", "SWAT");
    main.rbCO.click(); // Use Mod stays checked, disabled
    ASSERT_TRUE(main.chkUseMod.checked());
    main.btnLaunch.click();
    EXPECT_EQ(started().parameters, "");
    for (const char* key : {"DisableDefaultPrimaryItems", "DisableDefaultSecondaryItems",
                            "DisableDefaultSpecialItems", "DisableDefaultUniformItems"})
        EXPECT_EQ(gameValue(key), "FALSE") << key;
}

TEST_F(Launch, NoGameSelectedStartsTheCovertOpsExecutable) {
    auto& main = prepare(0, "off", nullptr);
    setLauncher("COEXEName", "CovertOperations.exe");
    ASSERT_FALSE(main.rbRS.selected() || main.rbUO.selected() || main.rbCO.selected());
    main.btnLaunch.click();
    EXPECT_EQ(started().file, "CovertOperations.exe");
    EXPECT_EQ(launcherValue("GameType")->number, 0u);
}

TEST_F(Launch, KitRestrictionsIsDeletedWhenCheckedWhateverTheGame) {
    auto& main = prepare(1, "off", nullptr);
    fake.files.addFile(GamePath("kitrestrictions.txt"), "k");
    main.chkDeleteKit.click();
    main.rbUO.click(); // the box is disabled for Urban Ops but stays checked
    main.btnLaunch.click();
    EXPECT_EQ(gameFile("kitrestrictions.txt"), nullptr);
    EXPECT_TRUE(main.chkDeleteKit.checked());
}

TEST_F(Launch, AKitRestrictionsFileThatCannotBeDeletedUnchecksTheBox) {
    auto& main = prepare(1, "off", nullptr);
    fake.files.addFile(GamePath("kitrestrictions.txt"), "k");
    fake.files.setReadOnly(GamePath("kitrestrictions.txt"));
    main.chkDeleteKit.click();
    main.btnLaunch.click();
    EXPECT_FALSE(main.chkDeleteKit.checked());
    EXPECT_NE(gameFile("kitrestrictions.txt"), nullptr);
    EXPECT_EQ(fake.shell.opened().size(), 1u);
}

TEST_F(Launch, PlayerNameIsTaggedOnlyWithWsock32AndOnlyOnce) {
    const std::pair<std::string, std::string> names[] = {
        {"Ding", "{v} Ding"}, {"{v}Ding", "{v}Ding"}, {"a{v}", "{v} a{v}"}, {"", "{v} "}};
    for (const auto& [before, after] : names) {
        SCOPED_TRACE(before);
        resetAll();
        fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "MultiPlayerPlayerName",
                                before);
        auto& main = prepare(1, "off", nullptr);
        fake.files.addFile(GamePath("wsock32.dll"));
        main.btnLaunch.click();
        EXPECT_EQ(gameValue("MultiPlayerPlayerName"), after);
    }
    resetAll();
    fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "MultiPlayerPlayerName", "X");
    prepare(1, "off", nullptr).btnLaunch.click();
    EXPECT_EQ(gameValue("MultiPlayerPlayerName"), "X");
}

TEST_F(Launch, AMissingExecutableIsReportedAndTheResumeWindowStillShows) {
    auto& main = prepare(1, "off", nullptr);
    setLauncher("EXEName", "Gone.exe");
    main.btnLaunch.click();
    EXPECT_TRUE(fake.shell.opened().empty());
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    const auto& box = fake.dialogs.shown().front();
    EXPECT_EQ(box.caption, "Error! - EXE File not found");
    EXPECT_EQ(box.text, "Could not find file:\n\nC:\\Games\\Rogue Spear\\Gone.exe");
    EXPECT_EQ(box.icon, platform::MessageIcon::None);
    EXPECT_FALSE(main.enabled);
    EXPECT_TRUE(launcher->frmResume.visible());
}

TEST_F(Launch, AModsSettingsWriteFailureStopsTheLaunchBeforeTheGameStarts) {
    auto& main = prepare(2, "join", "SWAT");
    fake.files.setReadOnly(kGameFolder);
    EXPECT_THROW(main.btnLaunch.click(), platform::FileError);
    EXPECT_TRUE(fake.shell.opened().empty());
    EXPECT_EQ(gameValue("DisableDefaultPrimaryItems"), "<missing>");
    EXPECT_TRUE(main.enabled);
    EXPECT_FALSE(launcher->frmResume.visible());
}

TEST_F(Launch, TheStateIsSavedAndTheAddressRecordedBeforeTheGameStarts) {
    auto& main = prepare(1, "join", "SWAT");
    main.txtPort.text = "2999";
    main.btnLaunch.click();
    EXPECT_EQ(launcherString("Port"), "2999");
    EXPECT_EQ(launcherString("UseNetwork"), "TRUE");
    EXPECT_EQ(launcherString("LastMod"), "SWAT");
}

TEST_F(Launch, CloseOnLaunchEndsTheLauncherAndResumeBringsItBack) {
    auto& main = prepare(1, "off", nullptr);
    main.btnLaunch.click();
    EXPECT_FALSE(main.enabled);
    EXPECT_TRUE(launcher->frmResume.visible());
    EXPECT_FALSE(main.btnLaunch.enabled && main.enabled);
    launcher->frmResume.btnResume.click();
    EXPECT_TRUE(main.enabled);
    EXPECT_FALSE(launcher->frmResume.visible());
    // Closing the resume window any other way resumes too.
    main.btnLaunch.click();
    launcher->frmResume.requestClose();
    EXPECT_TRUE(main.enabled);
    EXPECT_FALSE(launcher->frmResume.visible());

    resetAll();
    auto& again = prepare(1, "off", nullptr);
    setLauncherDword("CloseOnLaunch", 1);
    again.btnLaunch.click();
    EXPECT_TRUE(again.closed());
    EXPECT_FALSE(launcher->frmResume.visible());
    EXPECT_EQ(fake.shell.opened().size(), 1u);
}

} // namespace
} // namespace quarl::tests
