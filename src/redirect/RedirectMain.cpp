// redirect.exe: a tiny program without a window that a game service starts in a game's place;
// it starts the launcher with the game's switch and the service's arguments, and ends.
#include "redirect/Redirect.h"

#include <windows.h>

#include <string>

using namespace quarl;

namespace {

std::wstring Widen(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

// The launcher key's "InstallationPath", read in the 32-bit view as the launcher reads it.
std::wstring InstallationPath() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quarl\\Launcher", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return {};
    std::wstring value;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, L"InstallationPath", nullptr, &type, nullptr, &bytes) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        value.resize(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, L"InstallationPath", nullptr, &type,
                             reinterpret_cast<BYTE*>(value.data()), &bytes) == ERROR_SUCCESS)
            value.resize(wcsnlen(value.c_str(), value.size()));
        else
            value.clear();
    }
    RegCloseKey(key);
    return value;
}

int ShowError(const std::string& text) {
    MessageBoxW(nullptr, Widen(text).c_str(), L"Error!", MB_OK | MB_ICONEXCLAMATION);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    const auto plan =
        redirect::PlanRedirection(Narrow(OwnPath()), Narrow(GetCommandLineW()),
                                  Narrow(InstallationPath()), [](const std::string& path) {
                                      const DWORD attributes =
                                          GetFileAttributesW(Widen(path).c_str());
                                      return attributes != INVALID_FILE_ATTRIBUTES &&
                                             !(attributes & FILE_ATTRIBUTE_DIRECTORY);
                                  });
    if (!plan.error.empty())
        return ShowError(plan.error);

    auto commandLine = Widen(plan.commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(Widen(plan.launcher).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        0, nullptr, Widen(plan.folder).c_str(), &startup, &process))
        return ShowError("The Quarl Launcher could not be started: " + plan.launcher + " (error " +
                         std::to_string(GetLastError()) + ").");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
