// End to end: the settings window of the real Launcher.exe, opened from the main window's menu,
// changed on several pages and read back from the registry.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/SettingsViewIds.h"

#include <commctrl.h>

namespace quarl::tests {
namespace {

constexpr const wchar_t* kCaption = L"Game Settings. . .";

class SettingsWindowE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        install(game);
        main = launcher.waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        launcher.settle(main);
    }
    // Opens the window from the main window's menu.
    HWND open() {
        PostMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
        const HWND window = launcher.waitForWindow(kCaption);
        if (window)
            launcher.settle(window);
        return window;
    }
    bool mainBack() {
        return WaitFor([&] { return IsWindowVisible(main) && IsWindowEnabled(main); },
                       std::chrono::seconds(5));
    }
    static HWND item(HWND window, int page, int id) {
        return GetDlgItem(GetDlgItem(window, page), id);
    }

    GameFolder game{{L"RogueSpear.exe"}};
    LauncherProcess launcher;
    HWND main = nullptr;
};

TEST_F(SettingsWindowE2E, ChangesOnSeveralPagesAreWrittenByOk) {
    const HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowEnabled(main));

    // The arrow keys move through the tabs, and each shows its page.
    const HWND tab = GetDlgItem(window, IDC_TAB_SETTINGS);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_PAGE_LAUNCHER)));
    PostMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
    launcher.settle(window);
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_PAGE_MOUSE)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_PAGE_LAUNCHER)));

    SendMessageW(item(window, IDC_PAGE_LAUNCHER, IDC_CHK_CLOSEAB), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_BTN_APPLY)));
    SendMessageW(item(window, IDC_PAGE_GENERAL, IDC_CHK_GORE), BM_CLICK, 0, 0);
    const HWND list = item(window, IDC_PAGE_MOUSE, IDC_CB_BUTTON4);
    SendMessageW(list, CB_SETCURSEL, 44, 0);
    SendMessageW(GetDlgItem(window, IDC_PAGE_MOUSE), WM_COMMAND,
                 MAKEWPARAM(IDC_CB_BUTTON4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    const HWND bar = item(window, IDC_PAGE_SOUND, IDC_TRK_AMBIENTSOUND);
    SendMessageW(bar, TBM_SETPOS, TRUE, 15);
    SendMessageW(GetDlgItem(window, IDC_PAGE_SOUND), WM_HSCROLL, TB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(bar));
    SendMessageW(item(window, IDC_PAGE_MPGAME, IDC_EDT_PLAYERNAME), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Ding"));
    launcher.settle(window);

    SendMessageW(GetDlgItem(window, IDC_BTN_OK), BM_CLICK, 0, 0);
    EXPECT_TRUE(mainBack());
    EXPECT_FALSE(IsWindowVisible(window));

    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"CloseAddressBook"), L"TRUE");
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"4_BtnAssignment", 99), 44u);
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"GoreOn"), L"TRUE");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"AmbientSoundVolume"), L"75.000000");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"MultiplayerPlayerName"), L"Ding");
    EXPECT_EQ(launcher.close(main), 0u);
}

TEST_F(SettingsWindowE2E, CancelAndTheCloseBoxGiveTheMainWindowBack) {
    HWND window = open();
    ASSERT_NE(window, nullptr);
    SendMessageW(item(window, IDC_PAGE_GENERAL, IDC_CHK_GORE), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, IDC_BTN_CANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(mainBack());
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"GoreOn"), L"<missing>");

    window = open();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(mainBack());
    EXPECT_EQ(launcher.close(main), 0u);
}

TEST_F(SettingsWindowE2E, WhatsThisOnALabelShowsItsPopUp) {
    const HWND window = open();
    ASSERT_NE(window, nullptr);
    const HWND label = item(window, IDC_PAGE_MPGAME, IDC_LBL_PLAYERNAME);
    RECT rect;
    GetWindowRect(label, &rect);
    PostMessageW(label, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label),
                 MAKELPARAM(rect.left + 2, rect.top + 2));
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); },
                std::chrono::seconds(5)))
        << "no pop-up menu";
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    const HWND popup = launcher.waitForWindow(L"The name the other players see.", 5000);
    ASSERT_NE(popup, nullptr) << "no help pop-up";
    wchar_t className[64] = {};
    GetClassNameW(popup, className, 64);
    EXPECT_STREQ(className, L"QuarlHelpPopup");
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(popup); }, std::chrono::seconds(5)));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(mainBack());
    EXPECT_EQ(launcher.close(main), 0u);
}

} // namespace
} // namespace quarl::tests
