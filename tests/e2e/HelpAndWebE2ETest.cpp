// End to end: the Help menu's pages and the web commands of the real Launcher.exe reach the
// program the system opens .html files and https addresses with; here the stand-in game,
// registered for both, records the command line it was given.
#include "E2ETest.h"
#include "win32ui/MainViewIds.h"

#include <algorithm>
#include <cwctype>
#include <optional>

namespace quarl::tests {
namespace {

// The associations the test puts in place of the prefix's own, in the same registry view as the
// launcher's shell.
const std::wstring kClasses = L"Software\\Classes";
const std::wstring kHttpsCommand = kClasses + L"\\https\\shell\\open\\command";
const std::wstring kHtmlType = kClasses + L"\\.html";
const std::wstring kPageClass = L"QuarlTestPage";
const std::wstring kPageCommand = kClasses + L"\\" + kPageClass + L"\\shell\\open\\command";

std::wstring ReadDefault(const std::wstring& path, bool& present) {
    std::wstring value(1024, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    present = RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                           value.data(), &size) == ERROR_SUCCESS;
    value.resize(present ? size / sizeof(wchar_t) - 1 : 0);
    return value;
}

void WriteDefault(const std::wstring& path, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// One default value of the prefix's classes, put back as it was when the test ends.
class Association {
public:
    Association(std::wstring path, const std::wstring& value) : path_(std::move(path)) {
        old_ = ReadDefault(path_, existed_);
        WriteDefault(path_, value);
    }
    Association(const Association&) = delete;
    Association& operator=(const Association&) = delete;
    ~Association() {
        if (existed_)
            WriteDefault(path_, old_);
        else
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
    }

private:
    std::wstring path_;
    std::wstring old_;
    bool existed_ = false;
};

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

class HelpAndWebE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        SetEnvironmentVariableW(L"QUARL_STANDIN_NOWINDOW", L"1");
        browser.copyIn(WindowsPath(QUARL_STANDIN_EXE), L"browser.exe");
        const std::wstring command = L"\"" + browser.path() + L"\\browser.exe\" \"%1\"";
        https.emplace(kHttpsCommand, command);
        page.emplace(kPageCommand, command);
        html.emplace(kHtmlType, kPageClass);
        install(game);
        SetString(HKEY_LOCAL_MACHINE, kGameKey, L"Version", L"1.0 beta");
        launcher.emplace();
        main = launcher->waitForWindow(L"Quarl Launcher");
        ASSERT_NE(main, nullptr);
        launcher->settle(main);
    }
    void TearDown() override {
        launcher.reset();
        html.reset();
        page.reset();
        https.reset();
        DeleteTree(HKEY_LOCAL_MACHINE, kClasses + L"\\" + kPageClass);
        E2ETest::TearDown();
    }

    // The argument the browser stand-in received for the command: its command line after the
    // program's own quoted path, without the quotes around it.
    std::wstring opened(int command) {
        PostMessageW(main, WM_COMMAND, command, 0);
        std::string log = WaitForFile(browser.path() + L"\\standin-log.txt", starts + 1);
        if (static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n')) <= starts)
            return L"<nothing opened>";
        ++starts;
        // The newest line: exe=browser.exe\tcmdline=...\tcwd=...
        log.pop_back();
        log.pop_back();
        const auto line = log.substr(log.find_last_of('\n') + 1);
        const auto from = line.find("\tcmdline=") + 9;
        std::string commandLine = line.substr(from, line.find("\tcwd=") - from);
        const auto argument = commandLine.find("\" ");
        if (argument == std::string::npos)
            return L"<no argument in " + std::wstring(commandLine.begin(), commandLine.end()) +
                   L">";
        std::string text = commandLine.substr(argument + 2);
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
        return std::wstring(text.begin(), text.end());
    }

    GameFolder game{{L"RogueSpear.exe"}};
    GameFolder browser{{}};
    std::optional<Association> https, page, html;
    std::optional<LauncherProcess> launcher;
    HWND main = nullptr;
    std::size_t starts = 0;
};

TEST_F(HelpAndWebE2E, HelpPagesAndWebAddressesReachTheBrowser) {
    std::wstring help = WindowsPath(QUARL_LAUNCHER_EXE);
    help = help.substr(0, help.find_last_of(L'\\')) + L"\\help\\";
    const struct {
        int command;
        std::wstring expected;
    } rows[] = {
        {IDM_CONTENTS, help + L"contents.html"},
        {IDM_KEYWORDSEARCH, help + L"keywords.html"},
        {IDM_HELP_INTRODUCTION, help + L"6000.html"},
        {IDM_HELP_KALI, help + L"6040.html"},
        {IDM_WEB_TAMSEL, L"https://tamsel.example/"},
        {IDM_WEB_PRODUCTGROUP, L"https://tamsel.example/quarl/"},
        {IDM_CHECKUPDATES, L"https://tamsel.example/quarl/update?version=2.10&build=8"
                           L"&rsversion=1.0%20beta&uoversion=&coversion=&runningquarl=No"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        const auto received = opened(row.command);
        // A page's path is compared without regard to case (the drive letter is Wine's to
        // spell); a web address exactly.
        if (row.expected.starts_with(help))
            EXPECT_EQ(Lower(received), Lower(row.expected));
        else
            EXPECT_EQ(received, row.expected);
    }
}

} // namespace
} // namespace quarl::tests
