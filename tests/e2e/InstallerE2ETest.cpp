// The installer's round trip, silently, in a fresh prefix (tests/e2e/fresh_prefix.sh): install,
// patch a game through the installed launcher's Launch Tool, uninstall; the game is whole again,
// the player's address book stays and everything the installer made is gone.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/ToolViewIds.h"

#include <shlobj.h>

namespace quarl::tests {
namespace {

const std::wstring kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuarlLauncher";
const std::wstring kUrlKey = L"Software\\Classes\\quarl";
const std::wstring kZoneKey = L"Software\\Microsoft\\Internet Gaming Zone\\Setup";
const std::wstring kGameSpyKey = L"Software\\GameSpy\\GameSpy 3D\\Rogue Spear";

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Content(const std::wstring& path) {
    std::string content;
    return ReadWholeFile(path, content) ? content : "<missing>";
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring Expanded(const wchar_t* text) {
    wchar_t buffer[MAX_PATH];
    ExpandEnvironmentStringsW(text, buffer, MAX_PATH);
    return buffer;
}

std::wstring StartMenuEntry() {
    wchar_t programs[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
    return std::wstring(programs) + L"\\Quarl Launcher\\Quarl Launcher.lnk";
}

class InstallerE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        install(game);
        game.write(L"RogueSpear.exe", "Rogue Spear itself");
        game.write(L"UrbanOperations.exe", "Urban Ops itself");
        SetString(HKEY_LOCAL_MACHINE, kZoneKey, L"Version", L"1.0");
        SetString(HKEY_CURRENT_USER, kGameSpyKey, L"Cmdline", L"RogueSpear.exe");
        SetDword(HKEY_CURRENT_USER, kLauncherKey, L"CheckMouseConfig", 1);
    }
    void clean() override {
        E2ETest::clean();
        DeleteTree(HKEY_LOCAL_MACHINE, kZoneKey);
        DeleteTree(HKEY_CURRENT_USER, L"Software\\GameSpy\\GameSpy 3D");
    }
    // Patches The Zone/MPlayer and GameSpy through the installed launcher's Launch Tool.
    void patchThroughTheLaunchTool(const std::wstring& folder) {
        LauncherProcess launcher(LauncherProcess::Program{folder + L"\\Launcher.exe"}, L"");
        const HWND main = launcher.waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        launcher.settle(main);
        PostMessageW(main, WM_COMMAND, IDM_LAUNCHTOOL, 0);
        const HWND tool = launcher.waitForWindow(L"Launcher Tool");
        ASSERT_NE(tool, nullptr);
        const auto item = [&](int id) {
            for (HWND page = GetWindow(tool, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
                if (HWND found = GetDlgItem(page, id))
                    return found;
            return GetDlgItem(tool, id);
        };
        const auto click = [&](int id) {
            SendMessageW(item(id), BM_CLICK, 0, 0);
            launcher.settle(tool);
        };
        click(IDC_BTN_TOOL_NEXT);
        click(IDC_CHK_PATCHGZ);
        click(IDC_CHK_PATCHGS);
        PostMessageW(item(IDC_BTN_TOOL_NEXT), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return Text(item(IDC_LBL_STATUS)) == L"Done!"; },
                            std::chrono::seconds(20)))
            << Narrow(Text(item(IDC_LBL_STATUS)));
        click(IDC_BTN_TOOL_NEXT);
        EXPECT_EQ(launcher.close(main), 0u);
    }
    // A game executable the Launch Tool replaced by the installed redirect.exe.
    bool IsRedirect(const std::wstring& path) const {
        return Content(path) == Content(WindowsPath(QUARL_REDIRECT_EXE));
    }
    GameFolder game{{}};
};

TEST_F(InstallerE2E, SilentInstallPatchAndUninstallLeaveTheGameWholeAndTheAddressBook) {
    Process setup(L"\"" + WindowsPath(QUARL_SETUP_EXE) + L"\" /S");
    ASSERT_EQ(setup.waitForExit(120000), 0u);

    // Installed for the current user, in the user's own programs folder.
    const auto folder = Expanded(L"%LOCALAPPDATA%\\Programs\\Quarl Launcher");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath"), folder);
    for (const wchar_t* file :
         {L"Launcher.exe", L"redirect.exe", L"Uninstall.exe", L"help\\contents.html",
          L"help\\200.html", L"guide\\user-guide.md", L"guide\\main-window.png"})
        EXPECT_TRUE(Exists(folder + L"\\" + file)) << Narrow(file);
    EXPECT_TRUE(Exists(StartMenuEntry()));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"), L"Quarl Launcher");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), L"2.10 build 8");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayIcon"),
              folder + L"\\Launcher.exe,0");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"),
              L"\"" + folder + L"\\Uninstall.exe\"");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUrlKey, L"URL Protocol"), L"");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUrlKey + L"\\DefaultIcon", L""),
              folder + L"\\Launcher.exe,0");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUrlKey + L"\\shell\\open\\command", L""),
              L"\"" + folder + L"\\Launcher.exe\" -LINK \"%1\"");

    // The player's address book, and a game patched by the installed launcher.
    WriteWholeFile(folder + L"\\addressbook.txt", "Home\t127.0.0.1\r\n");
    patchThroughTheLaunchTool(folder);
    ASSERT_TRUE(IsRedirect(game.path() + L"\\UrbanOperations.exe"));
    ASSERT_EQ(GetString(HKEY_CURRENT_USER, kGameSpyKey, L"Cmdline"), L"Launcher.exe --rs");

    // A running launcher can be neither replaced nor removed: the installer and the uninstaller
    // refuse and change nothing, the patch included (the uninstaller run in place, so that its
    // exit code is its own).
    {
        LauncherProcess running(LauncherProcess::Program{folder + L"\\Launcher.exe"}, L"");
        const HWND main = running.waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        Process reinstall(L"\"" + WindowsPath(QUARL_SETUP_EXE) + L"\" /S");
        EXPECT_EQ(reinstall.waitForExit(60000), 2u);
        Process refused(L"\"" + folder + L"\\Uninstall.exe\" /S _?=" + folder);
        EXPECT_EQ(refused.waitForExit(60000), 2u);
        EXPECT_TRUE(Exists(folder + L"\\Launcher.exe"));
        EXPECT_TRUE(IsRedirect(game.path() + L"\\UrbanOperations.exe"));
        EXPECT_EQ(running.close(main), 0u);
    }

    // The uninstaller runs from a copy of itself in the temporary folder: wait for its work.
    Process uninstall(L"\"" + folder + L"\\Uninstall.exe\" /S");
    EXPECT_EQ(uninstall.waitForExit(), 0u);
    EXPECT_TRUE(WaitFor(
        [&] {
            return !Exists(folder + L"\\Uninstall.exe") && !KeyExists(HKEY_CURRENT_USER, kUrlKey);
        },
        std::chrono::seconds(60)));

    EXPECT_EQ(Content(game.path() + L"\\RogueSpear.exe"), "Rogue Spear itself");
    EXPECT_EQ(Content(game.path() + L"\\UrbanOperations.exe"), "Urban Ops itself");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Patched"), L"False");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"EXEName"), L"RogueSpear.exe");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kGameSpyKey, L"Cmdline"), L"RogueSpear.exe");

    for (const wchar_t* file : {L"Launcher.exe", L"redirect.exe", L"Uninstall.exe", L"help"})
        EXPECT_FALSE(Exists(folder + L"\\" + file)) << Narrow(file);
    EXPECT_EQ(Content(folder + L"\\addressbook.txt"), "Home\t127.0.0.1\r\n");
    EXPECT_FALSE(Exists(StartMenuEntry()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUrlKey));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"InstallationPath"), L"<missing>");
    RemoveTree(folder);
}

} // namespace
} // namespace quarl::tests
