// End to end: the real Launcher.exe on a seeded registry and game folder, read back through its
// window and the registry.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"

namespace quarl::tests {
namespace {

const std::wstring kDemoKey = L"Software\\Red Storm Entertainment\\Rogue Spear Demo";

class MainWindowE2E : public E2ETest {
protected:
    void clean() override {
        E2ETest::clean();
        DeleteTree(HKEY_LOCAL_MACHINE, kDemoKey);
    }
};

TEST_F(MainWindowE2E, StartsShowsTheMainWindowAndEndsCleanlyWhenClosed) {
    GameFolder game({L"RogueSpear.exe"});
    install(game);
    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr) << "no visible window captioned \"Quarl Launcher\"";
    launcher.settle(window);
    EXPECT_EQ(launcher.close(window), 0u);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Version"), L"2.10");
}

TEST_F(MainWindowE2E, SeededStateShowsInTheWindowAndTheStateSaveWritesItBack) {
    GameFolder game({L"RogueSpear.exe", L"CovertOperations.exe"});
    install(game);
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 2);
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Host", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Port", L"2400");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"DeleteKit", L"TRUE");

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    const auto item = [&](int id) { return GetDlgItem(window, id); };

    // Rogue Spear and Covert Ops present, Urban Ops saved but absent: Covert Ops is chosen.
    EXPECT_TRUE(IsWindowEnabled(item(IDC_RB_RS)));
    EXPECT_FALSE(IsWindowEnabled(item(IDC_RB_UO)));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_RB_CO)));
    EXPECT_FALSE(Checked(item(IDC_RB_RS)));
    EXPECT_TRUE(Checked(item(IDC_RB_CO)));
    EXPECT_TRUE(Checked(item(IDC_CHK_USENETWORK)));
    EXPECT_TRUE(Checked(item(IDC_RB_HOST)));
    EXPECT_FALSE(Checked(item(IDC_RB_JOIN)));
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CB_IPADDRESS)));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_EDT_PORT)));
    EXPECT_EQ(Text(item(IDC_EDT_PORT)), L"2400");
    EXPECT_TRUE(Checked(item(IDC_CHK_DELETEKIT)));
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CHK_DELETEKIT)));
    EXPECT_EQ(Text(item(IDC_LBL_VERSION)), L"v2.10");

    // Hovering the Launch button (the toolbar's first) shows its hint after a space.
    const HWND toolbar = item(IDC_TOOLBAR);
    ASSERT_NE(toolbar, nullptr);
    PostMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
    // The hint follows the posted move, which a settle's sent messages may overtake.
    WaitFor([&] { return Text(item(IDC_STATUSBAR)) == L" Launch Game"; }, std::chrono::seconds(2));
    EXPECT_EQ(Text(item(IDC_STATUSBAR)), L" Launch Game");
    // A disabled control inside a group box ("+" while Host is chosen) shows its hint too: the
    // mouse then reaches the main window itself.
    ASSERT_FALSE(IsWindowEnabled(item(IDC_BTN_ADDADDRESS)));
    RECT plus;
    GetWindowRect(item(IDC_BTN_ADDADDRESS), &plus);
    POINT centre{(plus.left + plus.right) / 2, (plus.top + plus.bottom) / 2};
    ScreenToClient(window, &centre);
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    WaitFor([&] { return Text(item(IDC_STATUSBAR)) == L" Add to Address Book"; },
            std::chrono::seconds(2));
    EXPECT_EQ(Text(item(IDC_STATUSBAR)), L" Add to Address Book");

    // The player picks Rogue Spear and Join and edits the port, then closes the window.
    SendMessageW(item(IDC_RB_RS), BM_CLICK, 0, 0);
    SendMessageW(item(IDC_RB_JOIN), BM_CLICK, 0, 0);
    SendMessageW(item(IDC_EDT_PORT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2500"));
    launcher.settle(window);
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CB_IPADDRESS)));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CHK_DELETEKIT)));
    EXPECT_EQ(launcher.close(window), 0u);

    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 99), 1u);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Port"), L"2500");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Host"), L"FALSE");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"DeleteKit"), L"TRUE");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork"), L"TRUE");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"UseMod"), L"FALSE");
}

TEST_F(MainWindowE2E, WithoutAGameTheLauncherSaysSoAndDisablesTheLaunch) {
    LauncherProcess launcher;
    const HWND box = launcher.waitForWindow(L"Error!");
    ASSERT_NE(box, nullptr) << "no \"Error!\" message box";
    EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)),
              L"Rogue Spear was not found!\n\r\n\rMost Launcher features will be disabled.");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_RB_RS)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_CHK_USENETWORK)));
    EXPECT_EQ(GetMenuState(GetMenu(window), IDM_SETTINGS, MF_BYCOMMAND) & MF_GRAYED,
              static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(launcher.close(window), 0u);
    // Nothing was written into the root of HKEY_LOCAL_MACHINE.
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, L"", L"ModsPath"), L"<missing>");
}

} // namespace
} // namespace quarl::tests
