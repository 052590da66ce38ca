#include "LauncherFixture.h"

#include "net/ServerHistory.h"

namespace quarl::tests {
namespace {

class ServerHistory : public LauncherFixture {
protected:
    // Starts the launcher on a history with the given order string and slot values
    // (slots[0] is "server-a").
    app::MainForm& startWith(std::string order, std::vector<std::string> slots) {
        installGame(true, false, false);
        setLauncher("servermru", std::move(order));
        for (std::size_t i = 0; i < slots.size(); ++i)
            setLauncher(slot(static_cast<char>('a' + i)), slots[i]);
        return start();
    }
    static std::string slot(char letter) { return std::string("server-") + letter; }
    void record(std::string text) { net::RecordServerAddress(launcher->session, text); }
    std::string order() const { return launcherString("servermru"); }
};

TEST_F(ServerHistory, AnEmptyHistoryLeavesTheBoxEmptyAndTheFirstAddressTakesSlotA) {
    installGame(true, false, false);
    auto& main = start();
    EXPECT_TRUE(main.txtIPAddress.items.empty());
    EXPECT_EQ(main.txtIPAddress.text, "");
    record("127.0.0.1");
    EXPECT_EQ(order(), "a");
    EXPECT_EQ(launcherString("server-a"), "127.0.0.1");
    record("127.0.0.2");
    record("127.0.0.3");
    EXPECT_EQ(order(), "cba");
    EXPECT_EQ(launcherString("server-c"), "127.0.0.3");
}

TEST_F(ServerHistory, AKnownAddressMovesToTheFrontAndWritesOnlyTheOrderString) {
    startWith("cba", {"127.0.0.1", "127.0.0.2", "127.0.0.3"});
    const int writes = fake.registry.writeCount();
    record("127.0.0.2");
    EXPECT_EQ(order(), "bca");
    EXPECT_EQ(fake.registry.writeCount(), writes + 1);
    EXPECT_EQ(launcherString("server-a"), "127.0.0.1");
    EXPECT_EQ(launcherString("server-b"), "127.0.0.2");
    EXPECT_EQ(launcherString("server-c"), "127.0.0.3");
    EXPECT_EQ(launcherString("server-d"), "<missing>");
}

TEST_F(ServerHistory, TheOnlyEntryRecordedAgainKeepsTheOrderStringButWritesIt) {
    startWith("a", {"127.0.0.1"});
    const int writes = fake.registry.writeCount();
    record("127.0.0.1");
    EXPECT_EQ(order(), "a");
    EXPECT_EQ(fake.registry.writeCount(), writes + 1);
}

TEST_F(ServerHistory, AFullHistoryReusesTheLeastRecentlyUsedSlot) {
    startWith("fedcba", {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "10.0.0.5", "10.0.0.6"});
    record("127.0.0.9");
    EXPECT_EQ(order(), "afedcb");
    EXPECT_EQ(launcherString("server-a"), "127.0.0.9");
    EXPECT_EQ(launcherString("server-b"), "10.0.0.2");
    EXPECT_EQ(launcherString("server-f"), "10.0.0.6");
    EXPECT_EQ(launcherString("server-g"), "<missing>");
}

TEST_F(ServerHistory, CaseAndTrailingSpacesMakeDifferentEntriesAndEmptyTextIsAnEntry) {
    startWith("a", {"Server"});
    record("server");
    record("Server ");
    EXPECT_EQ(order(), "cba");
    EXPECT_EQ(launcherString("server-b"), "server");
    EXPECT_EQ(launcherString("server-c"), "Server ");
    record("");
    EXPECT_EQ(order(), "dcba");
    EXPECT_EQ(launcherValue("server-d")->text, "");
    record("Server");
    EXPECT_EQ(order(), "adcb");
}

TEST_F(ServerHistory, WhenSeveralSlotsHoldTheTextTheLastInTheOrderStringWins) {
    startWith("abc", {"127.0.0.1", "127.0.0.2", "127.0.0.1"});
    record("127.0.0.1");
    EXPECT_EQ(order(), "cab");
}

TEST_F(ServerHistory, LoadingListsTheSlotsInOrderAndShowsTheMostRecent) {
    auto& main = startWith("cab", {"127.0.0.1", "", "127.0.0.3"});
    EXPECT_EQ(main.txtIPAddress.items, (std::vector<std::string>{"127.0.0.3", "127.0.0.1", ""}));
    EXPECT_EQ(main.txtIPAddress.text, "127.0.0.3");
}

TEST_F(ServerHistory, ForeignAndRepeatedLettersInTheOrderStringAreLeftOut) {
    auto& main = startWith("bxb-a", {"127.0.0.1", "127.0.0.2"});
    EXPECT_EQ(main.txtIPAddress.items, (std::vector<std::string>{"127.0.0.2", "127.0.0.1"}));
    // A new address takes a letter not in use, never one already in the order string.
    setLauncher("servermru", "b");
    record("127.0.0.7");
    EXPECT_EQ(order(), "ab");
    EXPECT_EQ(launcherString("server-a"), "127.0.0.7");
    EXPECT_EQ(launcherString("server-b"), "127.0.0.2");
}

TEST_F(ServerHistory, ClosingTheMainWindowRecordsTheBoxAndTheNextStartShowsIt) {
    installGame(true, false, false);
    auto& main = start();
    main.txtIPAddress.text = "127.0.0.4";
    main.close();
    EXPECT_EQ(order(), "a");
    auto& again = start();
    EXPECT_EQ(again.txtIPAddress.text, "127.0.0.4");
    EXPECT_EQ(again.txtIPAddress.items, std::vector<std::string>{"127.0.0.4"});
}

} // namespace
} // namespace quarl::tests
