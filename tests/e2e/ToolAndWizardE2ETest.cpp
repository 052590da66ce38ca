// End to end: the Launch Tool and the wizard of the real Launcher.exe, opened from the main
// window's menu and walked page by page; what they did read back from the files, the registry and
// the main window.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/ToolViewIds.h"
#include "win32ui/WizardViewIds.h"

#include <optional>

namespace quarl::tests {
namespace {

const std::wstring kZoneKey = L"Software\\Microsoft\\Internet Gaming Zone\\Setup";
const std::wstring kGameSpyKey = L"Software\\GameSpy\\GameSpy 3D\\Rogue Spear";

class ToolAndWizardE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        install(game);
        launcher.emplace();
        main = launcher->waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        launcher->settle(main);
    }
    void clean() override {
        E2ETest::clean();
        DeleteTree(HKEY_LOCAL_MACHINE, kZoneKey);
        DeleteTree(HKEY_CURRENT_USER, L"Software\\GameSpy\\GameSpy 3D");
    }
    HWND open(int command, const wchar_t* caption) {
        PostMessageW(main, WM_COMMAND, command, 0);
        window = launcher->waitForWindow(caption);
        if (window)
            launcher->settle(window);
        return window;
    }
    // A control of the window or of one of its pages.
    HWND item(int id) const {
        if (HWND found = GetDlgItem(window, id))
            return found;
        for (HWND page = GetWindow(window, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (HWND found = GetDlgItem(page, id))
                return found;
        return nullptr;
    }
    void click(int id) {
        SendMessageW(item(id), BM_CLICK, 0, 0);
        launcher->settle(window);
    }
    bool shows(int page) const { return IsWindowVisible(GetDlgItem(window, page)); }
    std::string file(const std::wstring& folder, const wchar_t* name) const {
        std::string content;
        return ReadWholeFile(folder + L"\\" + name, content) ? content : "<missing>";
    }

    GameFolder game{{L"RogueSpear.exe"}};
    GameFolder launcherFolder{{}};
    std::optional<LauncherProcess> launcher;
    HWND main = nullptr;
    HWND window = nullptr;
};

TEST_F(ToolAndWizardE2E, TheLaunchToolPatchesTheZoneAndGameSpyAndDoneClosesIt) {
    game.write(L"RogueSpear.exe", "the game");
    launcherFolder.write(L"redirect.exe", "the redirect");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath", launcherFolder.path());
    SetString(HKEY_LOCAL_MACHINE, kZoneKey, L"Version", L"1.0");
    SetString(HKEY_CURRENT_USER, kGameSpyKey, L"Cmdline", L"RogueSpear.exe");

    ASSERT_NE(open(IDM_LAUNCHTOOL, L"Launcher Tool"), nullptr);
    EXPECT_TRUE(shows(IDC_PAGE_TOOL_INTRODUCTION));
    EXPECT_FALSE(IsWindowEnabled(item(IDC_BTN_TOOL_BACK)));
    click(IDC_BTN_TOOL_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_TOOL_SERVICES));
    EXPECT_FALSE(shows(IDC_PAGE_TOOL_INTRODUCTION));
    EXPECT_EQ(Text(item(IDC_LBL_FOUNDGZ)), L"Yes / No");
    EXPECT_EQ(Text(item(IDC_LBL_FOUNDGS)), L"Yes");
    EXPECT_EQ(Text(item(IDC_LBL_FOUNDKALI)), L"No");
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CHK_PATCHKALI)));
    click(IDC_CHK_PATCHGZ);
    click(IDC_CHK_PATCHGS);
    EXPECT_TRUE(Checked(item(IDC_CHK_PATCHGZ)));

    ASSERT_EQ(Text(item(IDC_BTN_TOOL_NEXT)), L"&Finish");
    PostMessageW(item(IDC_BTN_TOOL_NEXT), BM_CLICK, 0, 0);
    EXPECT_TRUE(
        WaitFor([&] { return Text(item(IDC_LBL_STATUS)) == L"Done!"; }, std::chrono::seconds(10)))
        << Narrow(Text(item(IDC_LBL_STATUS)));
    EXPECT_TRUE(shows(IDC_PAGE_TOOL_PROGRESS));
    EXPECT_EQ(Text(item(IDC_LBL_SETTINGGZ)), L"Patch for The Zone/MPlayer: Yes");
    EXPECT_EQ(Text(item(IDC_LBL_SETTINGKALI)), L"Patch for Kali: No");
    EXPECT_FALSE(IsWindowVisible(item(IDC_BTN_TOOL_CANCEL)));

    EXPECT_EQ(file(game.path(), L"RSpear.exe"), "the game");
    EXPECT_EQ(file(game.path(), L"RogueSpear.exe"), "the redirect");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Patched"), L"True");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"GameSpyPatched"), L"True");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"KaliPatched"), L"False");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"EXEName"), L"RSpear.exe");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGameSpyKey, L"Cmdline"), L"Launcher.exe --rs");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGameSpyKey, L"WorkDir"), launcherFolder.path() + L"\\");

    ASSERT_EQ(Text(item(IDC_BTN_TOOL_NEXT)), L"&Done");
    click(IDC_BTN_TOOL_NEXT);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }, std::chrono::seconds(5)));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(launcher->close(main), 0u);
}

// A game executable that another program holds open cannot be replaced: the run says which step
// failed, leaves the game as it was and marks nothing as patched, and "&Done" closes the tool.
TEST_F(ToolAndWizardE2E, ALockedExecutableFailsTheRunWithoutHarmAndDoneCloses) {
    game.write(L"RogueSpear.exe", "the game");
    launcherFolder.write(L"redirect.exe", "the redirect");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath", launcherFolder.path());
    SetString(HKEY_LOCAL_MACHINE, kZoneKey, L"Version", L"1.0");
    const HANDLE held = CreateFileW((game.path() + L"\\RogueSpear.exe").c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    ASSERT_NE(open(IDM_LAUNCHTOOL, L"Launcher Tool"), nullptr);
    click(IDC_BTN_TOOL_NEXT);
    click(IDC_CHK_PATCHGZ);
    PostMessageW(item(IDC_BTN_TOOL_NEXT), BM_CLICK, 0, 0);
    // The failure is also shown in the error box; answer it.
    if (const HWND box = launcher->waitForWindow(L"Quarl Launcher", 10000, main))
        PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Text(item(IDC_BTN_TOOL_NEXT)) == L"&Done"; },
                        std::chrono::seconds(10)));
    EXPECT_NE(Text(item(IDC_LBL_STATUS)).find(L"failed"), std::wstring::npos)
        << Narrow(Text(item(IDC_LBL_STATUS)));
    CloseHandle(held);
    EXPECT_EQ(file(game.path(), L"RogueSpear.exe"), "the game");
    EXPECT_NE(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Patched"), L"True");
    click(IDC_BTN_TOOL_NEXT);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }, std::chrono::seconds(5)));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(launcher->close(main), 0u);
}

TEST_F(ToolAndWizardE2E, TheWizardsPagesWalkedToFinishSetTheMainWindow) {
    ASSERT_NE(open(IDM_WIZARD, L"Quarl Launcher Wizard"), nullptr);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_OPENING));
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_GAME));
    EXPECT_TRUE(IsWindowVisible(item(IDC_BTN_WIZ_BACK)));
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_GAMETYPE));
    click(IDC_RB_WIZJOIN);
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_HOSTIP));
    SendMessageW(item(IDC_CB_WIZADDRESS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10.1.2.3"));
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_MODINFO));
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(shows(IDC_PAGE_WIZ_CONFIRM));
    EXPECT_EQ(Text(item(IDC_MEMO_WIZSETTINGS)),
              L"Game Type\r\n   Multiplayer Client\r\n     - Host Address: 10.1.2.3\r\n"
              L"     - Join Port: 2346\r\n\r\nMod Settings\r\n   Using Mod: No\r\n");
    ASSERT_EQ(Text(item(IDC_BTN_WIZ_NEXT)), L"&Finish");
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }, std::chrono::seconds(5)));

    const auto mainItem = [&](int id) { return GetDlgItem(main, id); };
    EXPECT_TRUE(Checked(mainItem(IDC_CHK_USENETWORK)));
    EXPECT_TRUE(Checked(mainItem(IDC_RB_JOIN)));
    EXPECT_EQ(Text(mainItem(IDC_CB_IPADDRESS)), L"10.1.2.3");
    EXPECT_FALSE(Checked(mainItem(IDC_CHK_USEMOD)));
    EXPECT_EQ(launcher->close(main), 0u);
}

// The wizard opens by itself: with the launcher's "Wizard" flag set, and after Yes to the
// question a start with "-INSTALL" asks (No is its default).
class WizardOpensByItselfE2E : public E2ETest {};

TEST_F(WizardOpensByItselfE2E, WithTheWizardFlagAndAfterYesToTheInstallQuestion) {
    GameFolder game{{L"RogueSpear.exe"}};
    install(game);
    {
        SetDword(HKEY_CURRENT_USER, kLauncherKey, L"Wizard", 1);
        LauncherProcess flagged;
        const HWND wizard = flagged.waitForWindow(L"Quarl Launcher Wizard");
        EXPECT_NE(wizard, nullptr);
        const HWND main = flagged.waitForWindow(L"Quarl Launcher", 15000, wizard);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(flagged.close(main), 0u);
    }
    {
        SetDword(HKEY_CURRENT_USER, kLauncherKey, L"Wizard", 0);
        LauncherProcess installing(L"-INSTALL");
        const HWND question = installing.waitForWindow(L"Question");
        ASSERT_NE(question, nullptr);
        SendMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
        EXPECT_NE(installing.waitForWindow(L"Quarl Launcher Wizard"), nullptr);
        EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"Wizard", 0), 1u);
        const HWND main = installing.waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(installing.close(main), 0u);
    }
}

} // namespace
} // namespace quarl::tests
