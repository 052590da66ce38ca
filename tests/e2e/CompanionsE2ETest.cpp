// End to end: the commands that hand work to other programs reach them with the right command
// line (a stand-in program registered as telnet and as Roger Wilco records what it received),
// and the small windows shown over the main window give it back however they close.
#include "E2ETest.h"
#include "win32ui/AboutViewIds.h"
#include "win32ui/JoinChannelViewIds.h"
#include "win32ui/LocalAddressesViewIds.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/ModInfoViewIds.h"

namespace quarl::tests {
namespace {

const std::wstring kAppPaths =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";
const std::wstring kRogerWilcoKey = L"Software\\Resounding\\Roger Wilco";
const std::wstring kTelnetClass = L"telnet";

class CompanionsE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", L"1");
    }
    void clean() override {
        E2ETest::clean();
        DeleteTree(HKEY_LOCAL_MACHINE, kAppPaths);
        DeleteTree(HKEY_CURRENT_USER, kRogerWilcoKey);
        DeleteTree(HKEY_CLASSES_ROOT, kTelnetClass);
    }
    // The stand-in's log lines in a folder, once there are at least that many (or after 10 s).
    static std::vector<std::string> logLines(const std::wstring& folder, std::size_t count) {
        const auto content = WaitForFile(folder + L"\\standin-log.txt", count);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < content.size();) {
            const auto end = content.find('\n', start);
            lines.push_back(content.substr(start, end - start));
            start = end == std::string::npos ? content.size() : end + 1;
        }
        return lines;
    }
    static void command(HWND window, int id) { PostMessageW(window, WM_COMMAND, id, 0); }
    static void click(HWND dialog, int id) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
};

TEST_F(CompanionsE2E, TelnetAndRogerWilcoGetExactlyTheirCommandLines) {
    GameFolder game({L"RogueSpear.exe"});
    game.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"telnet.exe");
    game.addFolder(L"RW");
    game.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"RW\\roger.exe");
    install(game);
    const std::wstring telnet = game.path() + L"\\telnet.exe";
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Telnet", telnet);
    SetString(HKEY_LOCAL_MACHINE, kAppPaths, L"Path", game.path() + L"\\RW");
    SetString(HKEY_CLASSES_ROOT, kTelnetClass, L"URL Protocol", L"");
    SetString(HKEY_CLASSES_ROOT, kTelnetClass + L"\\shell\\open\\command", L"",
              L"\"" + telnet + L"\" \"%1\"");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork", L"TRUE");

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    const HWND address = GetDlgItem(window, IDC_CB_IPADDRESS);
    SetWindowTextW(address, L"127.0.0.1");
    SetWindowTextW(GetDlgItem(window, IDC_EDT_PORT), L"2346");

    // The chosen telnet program, then the system's handler for telnet: links.
    command(window, IDM_TELNET);
    auto lines = logLines(game.path(), 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("cmdline=\"" + Narrow(telnet) + "\"  127.0.0.1 2346\t"),
              std::string::npos)
        << lines[0];
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Telnet", L"DEFAULT");
    command(window, IDM_TELNET);
    lines = logLines(game.path(), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("telnet://127.0.0.1"), std::string::npos) << lines[1];

    // An address that would add to the command line starts nothing.
    SetWindowTextW(address, L"127.0.0.1 -x");
    command(window, IDM_TELNET);
    const HWND error = launcher.waitForWindow(L"Error!", 10000);
    ASSERT_NE(error, nullptr);
    PostMessageW(error, WM_COMMAND, IDOK, 0);
    launcher.settle(window);
    EXPECT_EQ(logLines(game.path(), 3).size(), 2u);

    // Roger Wilco: a plain start and a minimized host, in its own folder.
    const std::wstring rw = game.path() + L"\\RW";
    command(window, IDM_ROGERWILCO);
    ASSERT_EQ(logLines(rw, 1).size(), 1u); // each start logs once it runs: one at a time
    command(window, IDM_RW_HOSTMINIMIZE);
    lines = logLines(rw, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("roger.exe\"\tcwd=" + Narrow(rw)), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("roger.exe\" /create DEFAULT\t"), std::string::npos) << lines[1];

    // Joining a channel: the history and "Minimize" are written, the parameters built.
    command(window, IDM_RW_JOIN);
    const HWND join = launcher.waitForWindow(L"Join Channel");
    ASSERT_NE(join, nullptr);
    SetWindowTextW(GetDlgItem(join, IDC_CB_JOINSERVER), L"127.0.0.1/clan");
    SetWindowTextW(GetDlgItem(join, IDC_EDT_JOINPASSWORD), L"pw");
    click(join, IDC_CHK_JOINMINIMIZED);
    click(join, IDC_BTN_JOIN);
    lines = logLines(rw, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[2].find("roger.exe\" /join 127.0.0.1 /clan pw\t"), std::string::npos)
        << lines[2];
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kRogerWilcoKey, L"address-a"), L"127.0.0.1/clan");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kRogerWilcoKey, L"address-mru"), L"a");
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"MinimizeRW", 9), 1u);
    EXPECT_FALSE(IsWindowVisible(join));
    EXPECT_EQ(launcher.close(window), 0u);
}

TEST_F(CompanionsE2E, SmallWindowsGiveTheMainWindowBackHoweverTheyClose) {
    GameFolder game({L"RogueSpear.exe"});
    game.addFolder(L"mods\\Alpha");
    game.write(L"mods\\Alpha\\launcher.ini", "[Information]\r\nName=Alpha & Co\r\n");
    install(game);
    SetString(HKEY_LOCAL_MACHINE, kGameKey, L"ModsPath", L"\\mods");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseMod", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"LastMod", L"Alpha");

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    const struct {
        int command;
        const wchar_t* caption;
        int ok;
    } windows[] = {
        {IDM_MODINFO, L"Mod Information", IDC_BTN_MODINFOOK},
        {IDM_IPADDRESS, L"Local IP Addresses", IDC_BTN_LOCALADDRESSESOK},
        {IDM_ABOUT, L"About Quarl Launcher", IDC_BTN_ABOUTOK},
    };
    for (const auto& shown : windows) {
        SCOPED_TRACE(Narrow(shown.caption));
        // "&Ok", Alt+F4 (the system's close command), then Esc.
        for (int way = 0; way < 3; ++way) {
            SCOPED_TRACE(way);
            command(window, shown.command);
            const HWND box = launcher.waitForWindow(shown.caption);
            ASSERT_NE(box, nullptr);
            launcher.settle(window);
            EXPECT_FALSE(IsWindowEnabled(window));
            if (way == 0)
                click(box, shown.ok);
            else if (way == 1)
                PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                PostMessageW(GetDlgItem(box, shown.ok), WM_KEYDOWN, VK_ESCAPE, 0);
            launcher.settle(window);
            EXPECT_FALSE(IsWindowVisible(box));
            EXPECT_TRUE(IsWindowEnabled(window));
        }
    }
    // A panel's address goes to the clipboard from its right-click menu.
    command(window, IDM_IPADDRESS);
    const HWND addresses = launcher.waitForWindow(L"Local IP Addresses");
    ASSERT_NE(addresses, nullptr);
    launcher.settle(window);
    const HWND panel = GetDlgItem(addresses, IDC_PNL_IP1);
    RECT rect;
    GetWindowRect(panel, &rect);
    PostMessageW(addresses, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel),
                 MAKELPARAM(rect.left + 4, rect.top + 4));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) != nullptr; },
                        std::chrono::seconds(5)));
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    launcher.settle(window);
    std::wstring copied;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    EXPECT_EQ(copied, Text(panel));
    click(addresses, IDC_BTN_LOCALADDRESSESOK);
    launcher.settle(window);

    // The mod's name as written: "&" is no prefix.
    command(window, IDM_MODINFO);
    const HWND info = launcher.waitForWindow(L"Mod Information");
    ASSERT_NE(info, nullptr);
    launcher.settle(window);
    EXPECT_EQ(Text(GetDlgItem(info, IDC_LBL_MODNAME)), L"Alpha & Co");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(info, IDC_LBL_MODNAME)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(info, IDC_LBL_MODVERSION)));
    click(info, IDC_BTN_MODINFOOK);
    launcher.settle(window);

    // Join Channel leaves the main window enabled; the system's close command is Cancel.
    command(window, IDM_RW_JOIN);
    const HWND join = launcher.waitForWindow(L"Join Channel");
    ASSERT_NE(join, nullptr);
    launcher.settle(window);
    EXPECT_TRUE(IsWindowEnabled(window));
    PostMessageW(join, WM_SYSCOMMAND, SC_CLOSE, 0);
    launcher.settle(window);
    EXPECT_FALSE(IsWindowVisible(join));
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"MinimizeRW", 9), 0u);
    EXPECT_EQ(launcher.close(window), 0u);
}

} // namespace
} // namespace quarl::tests
