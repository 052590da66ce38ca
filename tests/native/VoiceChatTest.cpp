#include "LauncherFixture.h"
#include "companions/VoiceChat.h"

#include <map>

namespace quarl::tests {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;

constexpr std::string_view kAppPaths =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";

class VoiceChat : public LauncherFixture {
protected:
    app::MainForm& startWithRogerWilco() {
        installGame(true, false, false);
        fake.registry.setString(RootKey::LocalMachine, kAppPaths, "Path", "C:\\RW");
        fake.files.addFile("C:\\RW\\roger.exe");
        return start();
    }
    void setHistory(std::string order, std::map<char, std::string> slots) {
        rw("address-mru", std::move(order));
        for (auto& [slot, text] : slots)
            rw("address-" + std::string(1, slot), std::move(text));
    }
    void rw(std::string_view name, std::string text) {
        fake.registry.setString(RootKey::CurrentUser, companions::kRogerWilcoKey, name,
                                std::move(text));
    }
    std::string rw(std::string_view name) const {
        const auto value =
            fake.registry.readValue(RootKey::CurrentUser, companions::kRogerWilcoKey, name);
        return value ? value->text : "<missing>";
    }
};

TEST_F(VoiceChat, RecordingAChannelAddress) {
    const std::map<char, std::string> slots{{'a', "alpha"}, {'b', "bravo"}, {'c', "charlie"},
                                            {'d', "delta"}, {'e', "echo"},  {'f', "fox"}};
    const auto slotText = [&](char slot) { return slots.at(slot); };
    const struct {
        std::string order, address, newOrder;
        char newSlot; // 0: none written
    } rows[] = {
        {"cab", "alpha", "acb", 0},
        {"abcdef", "new", "fabcde", 'f'},
        {"ab", "new", "cab", 'c'},
        {"", "new", "a", 'a'},
        {"a", "alpha", "a", 0},
        {"", "", "a", 'a'}, // an empty text is recorded like any other
        // Written by another program: never a slot in use, never a letter twice.
        {"ac", "new", "bac", 'b'},
        {"aXb", "new", "cab", 'c'},
        {"aab", "bravo", "ba", 0},
        {"abcdefg", "new", "fabcde", 'f'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.order + " + " + row.address);
        const auto record = companions::RecordChannel(row.order, row.address, slotText);
        EXPECT_EQ(record.order, row.newOrder);
        EXPECT_EQ(record.newSlot.value_or('\0'), row.newSlot);
    }
}

TEST_F(VoiceChat, JoiningAChannel) {
    auto& main = startWithRogerWilco();
    auto& join = launcher->frmJoinRW;
    setHistory("ba", {{'a', "older"}, {'b', "newest"}});
    setLauncherDword("MinimizeRW", 0);
    main.mnuRWJoin.click();
    EXPECT_EQ(join.cbServer.items, (std::vector<std::string>{"newest", "older"}));
    EXPECT_EQ(join.cbServer.text, "newest");
    EXPECT_FALSE(join.chkMinimized.checked());

    join.cbServer.text = "host.example/clan";
    join.txtPassword.text = "pw";
    join.chkMinimized.setChecked(true);
    join.btnJoin.click();
    EXPECT_EQ(fake.shell.opened().back(),
              (ShellRequest{"OPEN", "roger.exe", "/join host.example /clan pw", "C:\\RW",
                            ShowCommand::MinimizedNoActivate}));
    EXPECT_EQ(rw("address-c"), "host.example/clan");
    EXPECT_EQ(rw("address-mru"), "cba");
    EXPECT_EQ(launcherValue("MinimizeRW")->number, 1u);
    EXPECT_FALSE(join.visible());

    // "Join RS Server": the game server's address, the history unchanged; an empty password
    // leaves a space at the end; Esc or the close box remember "Minimize" as Cancel does.
    main.txtIPAddress.text = "127.0.0.1";
    main.mnuRWJoinRS.click();
    EXPECT_EQ(join.cbServer.text, "127.0.0.1");
    EXPECT_EQ(join.cbServer.items.size(), 3u);
    EXPECT_TRUE(join.chkMinimized.checked());
    join.chkMinimized.setChecked(false);
    join.requestClose();
    EXPECT_EQ(launcherValue("MinimizeRW")->number, 0u);
    EXPECT_EQ(companions::JoinParameters("127.0.0.1", ""), "/join 127.0.0.1 ");
}

TEST_F(VoiceChat, StartingAndHosting) {
    auto& main = startWithRogerWilco();
    ASSERT_TRUE(main.tbRogerWilco.available());
    const struct {
        ui::Button& command;
        const char* parameters;
        ShowCommand show;
    } rows[] = {
        {main.tbRogerWilco, "", ShowCommand::Normal},
        {main.mnuRogerWilco, "", ShowCommand::Normal},
        {main.mnuRWHostNormal, "/create DEFAULT", ShowCommand::Normal},
        {main.mnuRWHostMinimize, "/create DEFAULT", ShowCommand::MinimizedNoActivate},
    };
    for (const auto& row : rows) {
        row.command.click();
        EXPECT_EQ(fake.shell.opened().back(),
                  (ShellRequest{"OPEN", "roger.exe", row.parameters, "C:\\RW", row.show}));
    }
    resetAll();
    installGame(true, false, false);
    EXPECT_FALSE(start().tbRogerWilco.available()); // not installed
}

} // namespace
} // namespace quarl::tests
