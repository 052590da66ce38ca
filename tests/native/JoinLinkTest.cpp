#include "LauncherFixture.h"
#include "app/JoinLink.h"
#include "app/Switches.h"

namespace quarl::tests {
namespace {

using launch::Game;
using Mods = std::vector<std::string>;

TEST(JoinLinkParse, AcceptsTheFormatAndDecodesIt) {
    struct Case {
        std::string text;
        bool host;
        Game game;
        std::string address;
        std::string port;
        Mods mods;
    };
    const Case cases[] = {
        {"quarl://join/rs/127.0.0.1:2400", false, Game::RogueSpear, "127.0.0.1", "2400", {}},
        {"quarl://join/rs/server.example.org",
         false,
         Game::RogueSpear,
         "server.example.org",
         "2346",
         {}},
        {"QUARL://Join/UO/my-server_1.example.org:02400?mod=Alpha&MOD=Urban%20Assault",
         false,
         Game::UrbanOps,
         "my-server_1.example.org",
         "2400",
         {"Alpha", "Urban Assault"}},
        {"quarl://join/rs/10.0.0.5?mod=Tactical%20Realism%2b(v2)",
         false,
         Game::RogueSpear,
         "10.0.0.5",
         "2346",
         {"Tactical Realism+(v2)"}},
        {"quarl://join/uo/h:1?mod=Caf%C3%A9", false, Game::UrbanOps, "h", "1", {"Caf\xC3\xA9"}},
        {"quarl://host/co/65535", true, Game::CovertOps, "", "65535", {}},
        {"quarl://join/rs/" + std::string(283, 'a'),
         false,
         Game::RogueSpear,
         std::string(283, 'a'),
         "2346",
         {}}, // 299 characters, the longest taken
    };
    for (const auto& c : cases) {
        const auto parse = app::ParseJoinLink(c.text);
        ASSERT_TRUE(parse.valid) << c.text << ": " << parse.problem;
        EXPECT_EQ(parse.link.host, c.host) << c.text;
        EXPECT_EQ(parse.link.game, c.game) << c.text;
        EXPECT_EQ(parse.link.address, c.address) << c.text;
        EXPECT_EQ(parse.link.port, c.port) << c.text;
        EXPECT_EQ(parse.link.mods, c.mods) << c.text;
    }
}

TEST(JoinLinkParse, RefusesAnythingElseWithAReason) {
    const std::string refused[] = {
        "",
        "http://join/rs/127.0.0.1",
        "quarl:join/rs/127.0.0.1",
        "quarl://play/rs/127.0.0.1",
        "quarl://join/xx/127.0.0.1",
        "quarl://join/rs",
        "quarl://join/rs/",
        "quarl://join/rs/127.0.0.1/",
        "quarl://join/rs/bad$host",
        "quarl://join/rs/-client",
        "quarl://join/rs/127.0.0.1 -HOST",
        "quarl://join/rs/127.0.0.1\t",
        "quarl://join/rs/h\xC3\xA9",
        "quarl://join/rs/127.0.0.1#top",
        "quarl://join/rs/127.0.0.1:",
        "quarl://join/rs/127.0.0.1:0",
        "quarl://join/rs/127.0.0.1:65536",
        "quarl://join/rs/127.0.0.1:999999",
        "quarl://join/rs/127.0.0.1:12a",
        "quarl://join/rs/127.0.0.1:2346:1",
        "quarl://join/rs/127.0.0.1?",
        "quarl://join/rs/127.0.0.1?mod=",
        "quarl://join/rs/127.0.0.1?name=Alpha",
        "quarl://join/rs/127.0.0.1?mod=Alpha&",
        "quarl://join/rs/127.0.0.1?mod=a%2Fb",
        "quarl://join/rs/127.0.0.1?mod=a%5cb",
        "quarl://join/rs/127.0.0.1?mod=a/b",
        "quarl://join/rs/127.0.0.1?mod=..",
        "quarl://join/rs/127.0.0.1?mod=%2E%2E",
        "quarl://join/rs/127.0.0.1?mod=C%3A",
        "quarl://join/rs/127.0.0.1?mod=-NONET",
        "quarl://join/rs/127.0.0.1?mod=a+b",
        "quarl://join/rs/127.0.0.1?mod=a%2",
        "quarl://join/rs/127.0.0.1?mod=a%zz",
        "quarl://join/rs/127.0.0.1?mod=a%00b",
        "quarl://join/rs/127.0.0.1?mod=a%0D%0Ab",
        "quarl://join/rs/127.0.0.1?mod=%C3",
        "quarl://join/rs/127.0.0.1?mod=%C0%AF",
        "quarl://join/co/127.0.0.1?mod=Alpha",
        "quarl://join/rs/127.0.0.1?mod=Alpha&mod=Beta",
        "quarl://host/rs",
        "quarl://host/rs/127.0.0.1",
        "quarl://host/rs/2346?mod=Alpha",
        "quarl://join/rs/" + std::string(284, 'a'), // 300 characters: it may have been cut
    };
    for (const auto& text : refused) {
        const auto parse = app::ParseJoinLink(text);
        EXPECT_FALSE(parse.valid) << text;
        EXPECT_FALSE(parse.problem.empty()) << text;
    }
}

TEST(JoinLinkParse, AnyLinkTextParsesBackToItsChoices) {
    app::JoinLink link;
    link.game = Game::UrbanOps;
    link.address = "10.0.0.7";
    link.port = "2401";
    link.mods = {"Caf\xC3\xA9 & Co+ 100%", "Alpha=1;#"};
    const auto text = app::JoinLinkText(link);
    EXPECT_EQ(text, "quarl://join/uo/10.0.0.7:2401?mod=Caf%C3%A9%20%26%20Co%2B%20100%25"
                    "&mod=Alpha%3D1%3B%23");
    const auto parse = app::ParseJoinLink(text);
    ASSERT_TRUE(parse.valid) << parse.problem;
    EXPECT_EQ(parse.link.mods, link.mods);
    EXPECT_EQ(parse.link.address, link.address);

    link.host = true;
    EXPECT_EQ(app::JoinLinkText(link), "quarl://host/uo/2401");
}

TEST(JoinLinkSwitches, ALinkStandsForTheGameTheRoleAndTheMods) {
    const std::pair<std::string, Mods> cases[] = {
        {"quarl://join/rs/127.0.0.1", {"-RS", "-CLIENT", "127.0.0.1", "2346", "-NOMODS"}},
        {"quarl://join/uo/srv:2400?mod=A&mod=B",
         {"-UO", "-CLIENT", "srv", "2400", "-MODS", "A", "-MODS", "B"}},
        {"quarl://host/co/2500", {"-CO", "-HOST", "2500"}},
    };
    for (const auto& [text, switches] : cases) {
        const auto parse = app::ParseJoinLink(text);
        ASSERT_TRUE(parse.valid) << text;
        EXPECT_EQ(app::JoinLinkSwitches(parse.link), switches) << text;
    }
}

class JoinLinks : public LauncherFixture {
protected:
    app::MainForm& startWithMods(std::vector<std::string> arguments = {}) {
        installGame(true, true, false);
        for (const auto* mod : {"Alpha", "Beta", "Gamma"})
            addMod(mod);
        setLauncher("UseMod", "TRUE");
        setLauncher("LastMod", "Gamma");
        return start(std::move(arguments));
    }
    Mods selected() const { return mods::SelectedMods(launcher->frmMain.ListBox1); }
};

TEST_F(JoinLinks, AHandedOverLinkSetsUpTheGameServerAndModsWithoutLaunching) {
    auto& main = startWithMods();
    app::ApplyHandedOverSwitches(*launcher,
                                 {"-LINK", "quarl://join/uo/127.0.0.1:2400?mod=Alpha&mod=Gamma"});
    EXPECT_TRUE(main.rbUO.selected());
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.rbJoin.selected());
    EXPECT_EQ(main.txtIPAddress.text, "127.0.0.1");
    EXPECT_EQ(main.txtPort.text, "2400");
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_EQ(selected(), (Mods{"Alpha", "Gamma"}));
    EXPECT_TRUE(fake.shell.opened().empty()) << "nothing started";
    EXPECT_TRUE(fake.dialogs.shown().empty());

    // A join link without a mod joins without mods; a host link keeps the mod choice.
    app::ApplyHandedOverSwitches(*launcher, {"-link", "quarl://join/rs/10.0.0.9"});
    EXPECT_TRUE(main.rbRS.selected());
    EXPECT_FALSE(main.chkUseMod.checked());
    app::ApplyHandedOverSwitches(*launcher, {"-MODS", "Beta", "-LINK", "quarl://host/rs/2600"});
    EXPECT_TRUE(main.rbHost.selected());
    EXPECT_EQ(main.txtPort.text, "2600");
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_EQ(selected(), Mods{"Beta"});
}

TEST_F(JoinLinks, ALinkAtStartUpKeepsItsModsOverTheLastModRestore) {
    auto& main = startWithMods({"-LINK", "quarl://join/rs/127.0.0.1?mod=Beta"});
    EXPECT_TRUE(main.rbRS.selected());
    EXPECT_EQ(selected(), Mods{"Beta"}) << "not the saved Gamma";
    EXPECT_EQ(main.txtIPAddress.text, "127.0.0.1");
}

TEST_F(JoinLinks, ARefusedLinkShowsItInAnErrorBoxAndChangesNothing) {
    const std::string cases[] = {
        "quarl://join/uo/127.0.0.1:70000",
        "quarl://join/co/127.0.0.1", // Covert Ops is not installed
        "quarl://join/rs/127.0.0.1?mod=..%5Cx",
        "quarl://join/uo/127.0.0.1?mod=Alpha&mod=Delta", // Delta is not installed
    };
    auto& main = startWithMods();
    for (const auto& text : cases) {
        const auto before = main.launchChoices();
        const auto shown = fake.dialogs.shown().size();
        app::ApplyHandedOverSwitches(*launcher, {"-LINK", text});
        ASSERT_EQ(fake.dialogs.shown().size(), shown + 1) << text;
        const auto& box = fake.dialogs.shown().back();
        EXPECT_EQ(box.caption, "Error!");
        EXPECT_NE(box.text.find(text), std::string::npos) << box.text;
        const auto after = main.launchChoices();
        EXPECT_EQ(after.game, before.game) << text;
        EXPECT_EQ(after.network, before.network) << text;
        EXPECT_EQ(after.address, before.address) << text;
        EXPECT_EQ(after.port, before.port) << text;
        EXPECT_EQ(after.mods, before.mods) << text;
    }
}

TEST_F(JoinLinks, ALinkStartTakesNoSwitchesEvenWhereTheLinkReadsAsOne) {
    installGame(true, false, false);
    setLauncher("Patched", "True");
    setLauncher("EXEName", "RSpear.exe");
    const struct {
        std::vector<std::string> arguments;
        const char* shown; // in the refusal
    } cases[] = {
        // The shell's command line: Launcher.exe -LINK "%1", with a quote in the link.
        {{"-LINK", "quarl://join/rs/127.0.0.1", "-UNINSTALL", "-HOST", "1"},
         "127.0.0.1 -UNINSTALL -HOST 1"},
        {{"-LINK", "-UNINSTALL"}, "-UNINSTALL"},
    };
    for (const auto& run : cases) {
        const auto before = fake.dialogs.shown().size();
        auto& main = start(run.arguments);
        EXPECT_EQ(launcherString("Patched"), "True") << run.shown << ": no -UNINSTALL";
        EXPECT_FALSE(main.chkUseNetwork.checked()) << run.shown;
        ASSERT_EQ(fake.dialogs.shown().size(), before + 1) << run.shown;
        EXPECT_NE(fake.dialogs.shown().back().text.find(run.shown), std::string::npos);
    }
}

TEST_F(JoinLinks, CopyJoinLinkPutsTheChoiceOnTheClipboardOrSaysWhyNot) {
    auto& main = startWithMods();
    EXPECT_FALSE(main.mnuCopyJoinLink.enabled) << "no network game";
    app::ApplyHandedOverSwitches(*launcher,
                                 {"-UO", "-CLIENT", "127.0.0.1", "2400", "-MODS", "Beta"});
    main.ListBox1.setSelected(1, true);
    ASSERT_TRUE(main.mnuCopyJoinLink.enabled);
    main.mnuCopyJoinLink.click();
    EXPECT_EQ(fake.clipboard.text(), "quarl://join/uo/127.0.0.1:2400?mod=Beta");

    main.txtIPAddress.text = "10.0.0.1 -HOST";
    main.mnuCopyJoinLink.click();
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    EXPECT_EQ(fake.dialogs.shown().back().caption, "Error!");
    EXPECT_EQ(fake.clipboard.text(), "quarl://join/uo/127.0.0.1:2400?mod=Beta") << "kept";

    auto& book = launcher->frmAddressBook;
    book.ABGrid.setCell(1, 0, "srv.example.org");
    book.ABGrid.setCell(2, 0, " ");
    book.ABGrid.setCell(3, 0, "Tactical Realism");
    book.mnuCopyJoinLink.click();
    EXPECT_EQ(fake.clipboard.text(), "quarl://join/rs/srv.example.org:2346?mod=Tactical%20Realism");
}

} // namespace
} // namespace quarl::tests
