// End to end: a launch from the real main window starts the stand-in game with the right
// command line and folder, swaps the mouse buttons through the pointer window, and "&Resume"
// brings the main window back.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/ResumeViewIds.h"

#include <algorithm>

namespace quarl::tests {
namespace {

const std::wstring kMouseKey = L"Control Panel\\Microsoft Input Devices\\Mouse";

class LaunchE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        // The stand-in game only records its start; it shows no window.
        SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", L"1");
    }
    void clean() override {
        E2ETest::clean();
        DeleteTree(HKEY_CURRENT_USER, kMouseKey);
    }
};

TEST_F(LaunchE2E, JoinWithAModStartsTheGameAndResumeBringsTheLauncherBack) {
    GameFolder game({});
    game.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"RogueSpear.exe");
    game.addFolder(L"mods\\Tactical Realism");
    game.addFolder(L"mods\\SWAT");
    install(game);
    SetString(HKEY_LOCAL_MACHINE, kGameKey, L"ModsPath", L"\\mods");
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 1);
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseMod", L"TRUE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"LastMod", L"Tactical Realism");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"DisableMouse", L"FALSE");
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"CheckMouseConfig", 1);
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"L_BtnAssignment", 1);
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"R_BtnAssignment", 0);
    SetDword(HKEY_CURRENT_USER, kMouseKey, L"L_BtnAssignment", 0);
    SetDword(HKEY_CURRENT_USER, kMouseKey, L"R_BtnAssignment", 1);

    const std::wstring pointerLog = game.path() + L"\\pointer-log.txt";
    Process pointer(L"\"" + WindowsPath(QUARL_POINTER_STUB_EXE) + L"\" \"" + pointerLog + L"\"");
    HWND pointerWindow = nullptr;
    WaitFor(
        [&] {
            pointerWindow = FindWindowW(L"POINTEXE", L"Pointer.exe Invisible Window");
            return pointerWindow != nullptr;
        },
        std::chrono::seconds(5));
    ASSERT_NE(pointerWindow, nullptr);

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    const auto item = [&](int id) { return GetDlgItem(window, id); };

    // The saved mod is selected; the player types the server address and launches.
    const HWND mods = item(IDC_LST_MODS);
    wchar_t selectedMod[64] = {};
    const auto index = SendMessageW(mods, LB_GETCURSEL, 0, 0);
    ASSERT_GE(index, 0);
    SendMessageW(mods, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(selectedMod));
    EXPECT_STREQ(selectedMod, L"Tactical Realism");
    const HWND addressEdit = GetWindow(item(IDC_CB_IPADDRESS), GW_CHILD);
    ASSERT_NE(addressEdit, nullptr);
    SendMessageW(addressEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"127.0.0.1"));
    PostMessageW(window, WM_COMMAND, IDM_LAUNCH, 0);

    const HWND resume = launcher.waitForWindow(L"Running Rogue Spear");
    ASSERT_NE(resume, nullptr) << "no resume window";
    launcher.settle(resume);
    EXPECT_FALSE(IsWindowEnabled(window));

    const std::string log = WaitForFile(game.path() + L"\\standin-log.txt", 1);
    EXPECT_NE(log.find("exe=RogueSpear.exe\t"), std::string::npos) << log;
    EXPECT_NE(log.find("RogueSpear.exe\" -mods \"Tactical Realism\" -client 127.0.0.1 2346\t"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("\tcwd=" + Narrow(game.path()) + "\r\n"), std::string::npos) << log;

    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"MultiplayerManualHostAddress"),
              L"127.0.0.1");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"MultiplayerManualJoinPort"), L"2346");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kGameKey, L"DisableDefaultPrimaryItems"), L"FALSE");
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"Old_L_BtnAssignment", 99), 0u);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"Old_R_BtnAssignment", 99), 1u);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"LastMod"), L"Tactical Realism");

    SendMessageW(GetDlgItem(resume, IDC_BTN_RESUME), BM_CLICK, 0, 0);
    launcher.settle(window);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(IsWindowVisible(resume));

    // The game's assignments at the launch, the backup at the resume.
    const std::string expected = "4DD 0 0\r\n4C9 20 1\r\n4C9 10 0\r\n4C9 8 2\r\n4C9 4 3\r\n"
                                 "4C9 2 4\r\n4DE 0 0\r\n469 0 0\r\n"
                                 "4DD 0 0\r\n4C9 20 0\r\n4C9 10 1\r\n4C9 8 2\r\n4C9 4 3\r\n"
                                 "4C9 2 4\r\n4DE 0 0\r\n469 0 0\r\n";
    EXPECT_EQ(WaitForFile(pointerLog, 16), expected);

    EXPECT_EQ(launcher.close(window), 0u);
    PostMessageW(pointerWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(pointer.waitForExit(), 0u);
}

TEST_F(LaunchE2E, AModsSettingsFileThatCannotBeWrittenStopsTheLaunchWithAnErrorBox) {
    GameFolder game({L"RogueSpear.exe", L"CovertOperations.exe", L"ModsSettings.txt"});
    game.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"UrbanOperations.exe");
    SetFileAttributesW((game.path() + L"\\ModsSettings.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    install(game);
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 2);

    LauncherProcess launcher;
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    launcher.settle(window);
    ASSERT_TRUE(SendMessageW(GetDlgItem(window, IDC_RB_UO), BM_GETCHECK, 0, 0) == BST_CHECKED);
    PostMessageW(window, WM_COMMAND, IDM_LAUNCH, 0);

    // The exception reaches the dispatch boundary and is shown there; the launcher goes on.
    const HWND box = launcher.waitForWindow(L"Quarl Launcher", 15000, window);
    ASSERT_NE(box, nullptr) << "no error box";
    const std::wstring text = Text(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(text.find(L"ModsSettings.txt"), std::wstring::npos) << text.c_str();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    launcher.settle(window);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(launcher.waitForWindow(L"Running Rogue Spear", 500), nullptr);
    std::string log;
    EXPECT_FALSE(ReadWholeFile(game.path() + L"\\standin-log.txt", log)) << log;
    EXPECT_EQ(launcher.close(window), 0u);
}

} // namespace
} // namespace quarl::tests
