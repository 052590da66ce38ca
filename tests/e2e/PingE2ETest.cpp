// End to end: the ping monitor of the real Launcher.exe against 127.0.0.1, read back through
// the main window and the Ping Stats window.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/PingStatsViewIds.h"

#include <regex>

namespace quarl::tests {
namespace {

bool Matches(const std::wstring& text, const wchar_t* pattern) {
    return std::regex_match(text, std::wregex(pattern));
}

using PingE2E = E2ETest;

TEST_F(PingE2E, AJoinTo127_0_0_1ShowsTheImageAndTheTimeAndThePingStatsCountUp) {
    GameFolder game({L"RogueSpear.exe"});
    install(game);
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Host", L"FALSE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"servermru", L"a");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"server-a", L"127.0.0.1");

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    const HWND image = GetDlgItem(window, IDC_IMG_PING);
    const HWND time = GetDlgItem(window, IDC_LBL_PINGTIME);
    EXPECT_EQ(Text(GetDlgItem(window, IDC_CB_IPADDRESS)), L"127.0.0.1");
    EXPECT_TRUE(IsWindowVisible(image));
    EXPECT_EQ(Text(time), L"");

    // A double-click on the image opens the statistics.
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_IMG_PING, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(image));
    const HWND stats = launcher.waitForWindow(L"Ping Stats");
    ASSERT_NE(stats, nullptr);
    const auto label = [&](int id) { return Text(GetDlgItem(stats, id)); };
    // Its first paint moves it to the top edge of the screen.
    EXPECT_TRUE(WaitFor(
        [&] {
            RECT rect{};
            GetWindowRect(stats, &rect);
            return rect.top == 1;
        },
        std::chrono::seconds(2)));

    // The first tick comes one interval (5 s) after the start.
    ASSERT_TRUE(WaitFor([&] { return Matches(Text(time), L"[0-9]+ms"); }, std::chrono::seconds(15)))
        << "ping text: \"" << Narrow(Text(time)) << '"';
    EXPECT_TRUE(WaitFor([&] { return label(IDC_LBL_TOTALPINGS) == L"Total Pings: 1"; },
                        std::chrono::seconds(2)));
    EXPECT_TRUE(Matches(label(IDC_LBL_AVERAGEPING), L"Average Ping: [0-9]+ms"));
    EXPECT_EQ(label(IDC_LBL_PACKETLOSS), L"Packet Loss: 0%");
    EXPECT_EQ(label(IDC_LBL_LOSTPINGS), L"Lost Pings: 0");
    EXPECT_TRUE(WaitFor([&] { return label(IDC_LBL_TOTALPINGS) == L"Total Pings: 2"; },
                        std::chrono::seconds(8)));

    // Reset starts the count again from zero.
    PostMessageW(stats, WM_COMMAND, MAKEWPARAM(IDC_BTN_PINGRESET, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(stats, IDC_BTN_PINGRESET)));
    EXPECT_TRUE(WaitFor([&] { return label(IDC_LBL_TOTALPINGS) == L"Total Pings: 0"; },
                        std::chrono::seconds(2)));
    EXPECT_EQ(label(IDC_LBL_AVERAGEPING), L"Average Ping: 0ms");
    EXPECT_EQ(Text(time), L"");
    EXPECT_EQ(launcher.close(window), 0u);
}

} // namespace
} // namespace quarl::tests
