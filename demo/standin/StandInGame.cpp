// Stand-in for the game executables of the demo installation.
//
// Copied as RogueSpear.exe, UrbanOperations.exe and CovertOperations.exe, it records how the
// launcher started it: one line per start in "standin-log.txt" beside the executable,
//
//     exe=<file name>\tcmdline=<GetCommandLineW as UTF-8>\tcwd=<current folder>\r\n
//
// then shows a window that spells out what the arguments ask the game to do.
// With QUARL_STANDIN_NOWINDOW=1 in the environment it only writes the log line; the exit code
// is 0, or 1 when the line could not be written (so that a test notices).
//
// Control characters never appear in file or folder names, but a command line may carry them:
// in the log they are written as \xNN so that every start stays one line with three fields.

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr wchar_t kLogName[] = L"standin-log.txt";
constexpr wchar_t kModsSettingsName[] = L"ModsSettings.txt";
constexpr wchar_t kWindowClass[] = L"QuarlStandInGame";
constexpr DWORD kMaxSettingsBytes = 64 * 1024;

constexpr int kIdText = 100;

enum class Game { RogueSpear, UrbanOps, CovertOps, Other };

struct Identity {
    Game game = Game::Other;
    std::wstring title;
};

// --- Text helpers ---------------------------------------------------------------------------

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::string ToUtf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string out(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring Decode(UINT codePage, DWORD flags, std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring out(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), length, out.data(), needed);
    return out;
}

// UTF-8 when the bytes are valid UTF-8, otherwise the ANSI code page (older tools write that).
std::wstring DecodeTextFile(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (bytes.empty())
        return {};
    std::wstring text = Decode(CP_UTF8, MB_ERR_INVALID_CHARS, bytes);
    if (text.empty())
        text = Decode(CP_ACP, 0, bytes);
    return text;
}

// An edit control shows line breaks only as CR LF; a NUL would cut the text short.
std::wstring ForEditControl(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
        } else if (c == L'\n') {
            out += L"\r\n";
        } else if (c == L'\0') {
            out += L'\xFFFD';
        } else {
            out += c;
        }
    }
    return out;
}

// Each line indented, CR LF after each; trailing empty lines dropped.
std::wstring Indented(std::wstring_view text) {
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
        text.remove_suffix(1);
    std::wstring out;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(L"\r\n", start);
        out += L"    ";
        out += text.substr(start,
                           end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
        out += L"\r\n";
        if (end == std::wstring_view::npos)
            break;
        start = end + 2;
    }
    return out;
}

// Appends a log field, writing control characters as \xNN.
void AppendLogField(std::string& line, std::string_view value) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            line += "\\x";
            line += kHex[byte >> 4];
            line += kHex[byte & 0x0F];
        } else {
            line += c;
        }
    }
}

// --- Process facts --------------------------------------------------------------------------

std::wstring ModulePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring CurrentFolder() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD needed = GetCurrentDirectoryW(0, nullptr);
        if (needed == 0)
            return {};
        std::wstring buffer(needed, L'\0');
        const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
        if (length > 0 && length < needed) {
            buffer.resize(length);
            return buffer;
        }
    }
    return {};
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring FileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

Identity IdentifyGame(const std::wstring& exeName) {
    std::wstring stem = exeName;
    const auto dot = stem.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0)
        stem.resize(dot);
    if (SameTextIgnoringCase(stem, L"RogueSpear"))
        return {Game::RogueSpear, L"Rogue Spear"};
    if (SameTextIgnoringCase(stem, L"UrbanOperations"))
        return {Game::UrbanOps, L"Urban Operations"};
    if (SameTextIgnoringCase(stem, L"CovertOperations"))
        return {Game::CovertOps, L"Covert Operations"};
    return {Game::Other, stem.empty() ? std::wstring(L"Game") : stem};
}

bool EnvironmentFlagSet(const wchar_t* name) {
    wchar_t value[8] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, ARRAYSIZE(value));
    return length == 1 && value[0] == L'1';
}

// Appends one line; several copies may start at once, so the file is opened for appending
// only (each write lands whole at the end) and a short-lived lock by another process is
// waited out.
DWORD AppendToLog(const std::wstring& path, const std::string& line) {
    for (int attempt = 0;; ++attempt) {
        const HANDLE file =
            CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_SHARING_VIOLATION && attempt < 40) {
                Sleep(50);
                continue;
            }
            return error;
        }
        DWORD written = 0;
        const BOOL ok =
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        DWORD error = ERROR_SUCCESS;
        if (!ok)
            error = GetLastError();
        else if (written != line.size())
            error = ERROR_WRITE_FAULT;
        CloseHandle(file);
        return error;
    }
}

std::wstring SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = L"error " + std::to_wstring(error);
    if (length > 0 && text) {
        std::wstring_view description(text, length);
        while (!description.empty() &&
               (description.back() == L'\n' || description.back() == L'\r' ||
                description.back() == L' ' || description.back() == L'.'))
            description.remove_suffix(1);
        message += L": ";
        message += description;
    }
    if (text)
        LocalFree(text);
    return message;
}

// --- What the arguments mean ----------------------------------------------------------------

bool LooksLikeSwitch(const std::wstring& argument) {
    return !argument.empty() && argument[0] == L'-';
}

std::wstring DescribePort(const std::wstring& port) {
    bool digits = !port.empty() && port.size() <= 5;
    unsigned long value = 0;
    for (const wchar_t c : port) {
        if (c < L'0' || c > L'9') {
            digits = false;
            break;
        }
        value = value * 10 + static_cast<unsigned long>(c - L'0');
    }
    if (digits && value >= 1 && value <= 65535)
        return L"port " + port;
    return L"port \"" + port + L"\" (not a valid port number)";
}

std::vector<std::wstring> DescribeArguments(const std::vector<std::wstring>& args) {
    std::vector<std::wstring> lines;
    // Takes the value after a switch; a following switch means the value is missing.
    auto value = [&](size_t& i, std::wstring& out) {
        if (i + 1 < args.size() && !LooksLikeSwitch(args[i + 1])) {
            out = args[++i];
            return true;
        }
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        std::wstring first;
        std::wstring second;
        if (SameTextIgnoringCase(arg, L"-mods")) {
            if (!value(i, first))
                lines.push_back(L"Mod: (no mod name after -mods)");
            else if (first.empty())
                lines.push_back(L"Mod: (empty name)");
            else
                lines.push_back(L"Mod: " + first);
        } else if (SameTextIgnoringCase(arg, L"-client")) {
            if (!value(i, first))
                lines.push_back(L"Join server: (no address after -client)");
            else if (!value(i, second))
                lines.push_back(L"Join server " + first + L" (no port given)");
            else
                lines.push_back(L"Join server " + first + L" " + DescribePort(second));
        } else if (SameTextIgnoringCase(arg, L"-server")) {
            if (!value(i, first))
                lines.push_back(L"Host: (no port after -server)");
            else
                lines.push_back(L"Host on " + DescribePort(first));
        } else {
            lines.push_back(L"Other argument: \"" + arg + L"\"");
        }
    }
    if (lines.empty())
        lines.push_back(L"No arguments: the game opens its main menu.");
    return lines;
}

std::vector<std::wstring> ArgumentsAfterProgramName() {
    std::vector<std::wstring> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__wargv[i] ? __wargv[i] : L"");
    return args;
}

std::wstring ReadModsSettings(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return L"(not present)";
        return L"(could not be read: " + SystemMessage(error) + L")";
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::string bytes(kMaxSettingsBytes, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), kMaxSettingsBytes, &read, nullptr);
    const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    if (!ok)
        return L"(could not be read: " + SystemMessage(error) + L")";
    bytes.resize(read);
    const bool truncated = size.QuadPart > static_cast<LONGLONG>(read);
    if (truncated) {
        // Do not cut a UTF-8 sequence in half: it would make the whole text look like ANSI.
        while (!bytes.empty() && (static_cast<unsigned char>(bytes.back()) & 0xC0) == 0x80)
            bytes.pop_back();
        if (!bytes.empty() && static_cast<unsigned char>(bytes.back()) >= 0xC0)
            bytes.pop_back();
    }
    std::wstring text = DecodeTextFile(bytes);
    if (text.empty())
        return L"(empty)";
    if (truncated)
        text += L"\n(... only the first " + std::to_wstring(kMaxSettingsBytes / 1024) +
                L" KB are shown)";
    return text;
}

// --- Window ---------------------------------------------------------------------------------

struct WindowState {
    HFONT font = nullptr;
    HWND text = nullptr;
    HWND close = nullptr;
    int margin = 10;
    int buttonWidth = 88;
    int buttonHeight = 26;
};

WindowState g_window;

int Scale(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

void Layout(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int m = g_window.margin;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int buttonTop = height - m - g_window.buttonHeight;
    MoveWindow(g_window.text, m, m, width - 2 * m, buttonTop - 2 * m, TRUE);
    MoveWindow(g_window.close, width - m - g_window.buttonWidth, buttonTop, g_window.buttonWidth,
               g_window.buttonHeight, TRUE);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const auto* report = static_cast<const std::wstring*>(create->lpCreateParams);
        const HINSTANCE instance = create->hInstance;
        g_window.text = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", report->c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP |
                                            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                        0, 0, 0, 0, window,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdText)),
                                        instance, nullptr);
        g_window.close = CreateWindowExW(
            0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0,
            0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
        if (!g_window.text || !g_window.close)
            return -1;
        if (g_window.font) {
            SendMessageW(g_window.text, WM_SETFONT, reinterpret_cast<WPARAM>(g_window.font), 0);
            SendMessageW(g_window.close, WM_SETFONT, reinterpret_cast<WPARAM>(g_window.font), 0);
        }
        Layout(window);
        return 0;
    }
    case WM_SIZE:
        if (g_window.text)
            Layout(window);
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = 6 * g_window.buttonWidth;
        info->ptMinTrackSize.y = 8 * g_window.buttonHeight;
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // The read-only text box keeps the ordinary window colours: it is the content.
        if (reinterpret_cast<HWND>(lParam) == g_window.text) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // An exception must not unwind through the system's frames.
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        if (message == WM_CREATE)
            return -1;
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int ShowReport(HINSTANCE instance, int showCommand, const std::wstring& caption,
               const std::wstring& report) {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    g_window.margin = Scale(10, dpi);
    g_window.buttonWidth = Scale(88, dpi);
    g_window.buttonHeight = Scale(26, dpi);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        g_window.font = CreateFontIndirectW(&metrics.lfMessageFont);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass))
        return 1;

    const HWND window =
        CreateWindowExW(0, kWindowClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, Scale(560, dpi), Scale(420, dpi), nullptr, nullptr, instance,
                        const_cast<std::wstring*>(&report));
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetFocus(g_window.close);

    MSG message{};
    BOOL result = 0;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (result == -1)
            break;
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (g_window.font)
        DeleteObject(g_window.font);
    return 0;
}

// A game key string as the 32-bit game reads it: from the 32-bit view of the registry, whatever
// this stand-in's own build.
bool ReadGameString(const wchar_t* key, const wchar_t* value, wchar_t* data, DWORD size) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &handle) !=
        ERROR_SUCCESS)
        return false;
    const bool read =
        RegGetValueW(handle, nullptr, value, RRF_RT_REG_SZ, nullptr, data, &size) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return read;
}

// The game key values the launcher prepares at a launch, as the game would read them.
std::wstring DescribeGameKey(const std::wstring& folder) {
    static const wchar_t* const kKeys[] = {L"Software\\Red Storm Entertainment\\Rogue Spear",
                                           L"Software\\Red Storm Entertainment\\Rogue Spear Demo"};
    static const wchar_t* const kValues[] = {
        L"MultiplayerPlayerName",        L"MultiplayerManualHostAddress",
        L"MultiplayerManualJoinPort",    L"DisableDefaultPrimaryItems",
        L"DisableDefaultSecondaryItems", L"DisableDefaultSpecialItems",
        L"DisableDefaultUniformItems"};
    std::wstring text;
    for (const wchar_t* key : kKeys) {
        wchar_t installed[MAX_PATH] = {};
        if (!ReadGameString(key, L"InstallationPath", installed, sizeof installed) ||
            installed[0] == L'\0')
            continue;
        for (const wchar_t* value : kValues) {
            wchar_t data[512] = {};
            const bool present = ReadGameString(key, value, data, sizeof data);
            text += L"    " + std::wstring(value) + L" = " +
                    (present ? L"\"" + std::wstring(data) + L"\"" : L"(not set)") + L"\r\n";
        }
        break;
    }
    const std::wstring kit = folder + L"\\kitrestrictions.txt";
    text += std::wstring(L"    kitrestrictions.txt: ") +
            (GetFileAttributesW(kit.c_str()) == INVALID_FILE_ATTRIBUTES ? L"absent (deleted)"
                                                                        : L"present") +
            L"\r\n";
    return text;
}

std::wstring BuildReport(const Identity& identity, const std::wstring& exePath,
                         const std::wstring& commandLine, const std::wstring& cwd, DWORD logError,
                         const std::wstring& logPath) {
    std::wstring report;
    report += L"Game: " + identity.title + L"\r\n";
    report += L"Program: " + exePath + L"\r\n";
    report += L"Working folder: " + cwd + L"\r\n";
    report += L"Command line: " + commandLine + L"\r\n\r\n";
    report += L"What the game was asked to do:\r\n";
    for (const auto& line : DescribeArguments(ArgumentsAfterProgramName()))
        report += L"    " + line + L"\r\n";
    if (identity.game == Game::UrbanOps) {
        const std::wstring settingsPath = FolderOf(exePath) + L"\\" + kModsSettingsName;
        report += L"\r\n";
        report += kModsSettingsName;
        report += L":\r\n";
        report += Indented(ForEditControl(ReadModsSettings(settingsPath)));
    }
    report += L"\r\nWhat the launcher prepared in the game key and folder:\r\n";
    report += DescribeGameKey(FolderOf(exePath));
    report += L"\r\n";
    if (logError == ERROR_SUCCESS)
        report += L"Recorded in " + logPath + L"\r\n";
    else
        report += L"Could not record this start in " + logPath + L" (" + SystemMessage(logError) +
                  L")\r\n";
    return report;
}

int Run(HINSTANCE instance, int showCommand) {
    const std::wstring exePath = ModulePath();
    const std::wstring exeName = FileNameOf(exePath);
    const std::wstring commandLine = GetCommandLineW();
    const std::wstring cwd = CurrentFolder();
    const std::wstring logPath = FolderOf(exePath) + L"\\" + kLogName;

    std::string line = "exe=";
    AppendLogField(line, ToUtf8(exeName));
    line += "\tcmdline=";
    AppendLogField(line, ToUtf8(commandLine));
    line += "\tcwd=";
    AppendLogField(line, ToUtf8(cwd));
    line += "\r\n";
    const DWORD logError = exePath.empty() ? ERROR_PATH_NOT_FOUND : AppendToLog(logPath, line);

    if (EnvironmentFlagSet(L"QUARL_STANDIN_NOWINDOW"))
        return logError == ERROR_SUCCESS ? 0 : 1;

    const Identity identity = IdentifyGame(exeName);
    const std::wstring caption = identity.title + L" (demo stand-in)";
    const std::wstring report = BuildReport(identity, exePath, commandLine, cwd, logError, logPath);
    return ShowReport(instance, showCommand, caption, report);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return Run(instance, showCommand);
    } catch (const std::exception&) {
        return 1;
    } catch (...) {
        return 1;
    }
}
