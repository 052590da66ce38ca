// End to end: redirect.exe copied over a game executable, started as a game service starts the
// game. It starts the launcher named by the launcher key with the game's switch and the service's
// arguments, or says what is missing and starts nothing.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"

#include <optional>

namespace quarl::tests {
namespace {

class RedirectE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        install(game);
        SetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath", launcherFolder.path());
    }
    // Starts the game executable as a service would and returns redirect.exe's exit code.
    DWORD startGame(const wchar_t* name, const std::wstring& arguments) {
        Process service(L"\"" + game.path() + L"\\" + name + L"\" " + arguments);
        return service.waitForExit(30000);
    }
    std::wstring redirect = WindowsPath(QUARL_REDIRECT_EXE);
    GameFolder game{{}};
    GameFolder launcherFolder{{}};
};

TEST_F(RedirectE2E, APatchedGameStartedByAServiceReachesTheRunningLauncher) {
    game.write(L"RogueSpear.exe", "the game");
    game.copyIn(redirect, L"UrbanOperations.exe");
    launcherFolder.copyIn(WindowsPath(QUARL_LAUNCHER_EXE), L"Launcher.exe");
    SetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 1);
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"UseNetwork", L"FALSE");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Port", L"2399");

    LauncherProcess running(LauncherProcess::Program{launcherFolder.path() + L"\\Launcher.exe"},
                            L"");
    const HWND window = running.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    running.settle(window);
    const auto item = [&](int id) { return GetDlgItem(window, id); };
    ASSERT_TRUE(Checked(item(IDC_RB_RS)));

    EXPECT_EQ(startGame(L"UrbanOperations.exe", L"-client 127.0.0.1 2346"), 0u);
    // The second launcher hands "-UO -client 127.0.0.1 2346" over and ends.
    EXPECT_TRUE(WaitFor(
        [&] {
            running.settle(window);
            return Checked(item(IDC_RB_UO)) && Text(item(IDC_EDT_PORT)) == L"2346";
        },
        std::chrono::seconds(20)));
    EXPECT_TRUE(Checked(item(IDC_CHK_USENETWORK)));
    EXPECT_TRUE(Checked(item(IDC_RB_JOIN)));
    EXPECT_EQ(Text(item(IDC_CB_IPADDRESS)), L"127.0.0.1");
    EXPECT_EQ(running.close(window), 0u);
    std::string content;
    EXPECT_TRUE(ReadWholeFile(game.path() + L"\\RogueSpear.exe", content));
    EXPECT_EQ(content, "the game");
}

// The stand-in game installed as Launcher.exe records the command line it was given.
TEST_F(RedirectE2E, ArgumentsReachTheLauncherExactlyAsGiven) {
    launcherFolder.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"Launcher.exe");
    game.copyIn(redirect, L"CovertOperations.exe");
    SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", L"1");
    const std::wstring arguments =
        LR"(-mods "Tactical Realism"  "say \"hi\"" C:\a\ "b c\\" -client 127.0.0.1 2346)";
    EXPECT_EQ(startGame(L"CovertOperations.exe", arguments), 0u);
    std::string log;
    EXPECT_TRUE(
        WaitFor([&] { return ReadWholeFile(launcherFolder.path() + L"\\standin-log.txt", log); },
                std::chrono::seconds(20)));
    SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", nullptr);
    const auto expected = "exe=Launcher.exe\tcmdline=\"" + Narrow(launcherFolder.path()) +
                          "\\Launcher.exe\" -CO " + Narrow(arguments) +
                          "\tcwd=" + Narrow(launcherFolder.path());
    EXPECT_EQ(log.substr(0, expected.size()), expected) << log;
}

TEST_F(RedirectE2E, WhatIsMissingIsNamedUnderErrorAndNothingStarts) {
    launcherFolder.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"Launcher.exe");
    SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", L"1");
    GameFolder empty{{}};
    const struct {
        const wchar_t* ownName;
        std::wstring installationPath;
        std::wstring named;
    } cases[] = {
        {L"RSpear.exe", launcherFolder.path(), L"\"RSpear.exe\""},
        {L"RogueSpear.exe", empty.path(), empty.path() + L"\\Launcher.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.ownName));
        game.copyIn(redirect, c.ownName);
        SetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath", c.installationPath);
        Process service(L"\"" + game.path() + L"\\" + c.ownName + L"\" -client 127.0.0.1");
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(L"#32770", L"Error!")) != nullptr; },
                            std::chrono::seconds(20)));
        const auto text = Text(GetDlgItem(box, 0xFFFF));
        EXPECT_NE(text.find(c.named), std::wstring::npos) << Narrow(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(service.waitForExit(), 1u);
    }
    SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", nullptr);
    std::string log;
    EXPECT_FALSE(ReadWholeFile(launcherFolder.path() + L"\\standin-log.txt", log)) << log;
}

} // namespace
} // namespace quarl::tests
