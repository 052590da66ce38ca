// redirect.exe: a tiny program without a window that a game service starts in a game's place;
// it starts the launcher with the game's switch and the service's arguments, and ends.
#include "platform/win32/Text.h"
#include "redirect/Redirect.h"

#include <windows.h>

#include <string>

using namespace quarl;
using platform::win32::ModulePath;
using platform::win32::Narrow;
using platform::win32::Widen;

namespace {

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
        redirect::PlanRedirection(Narrow(ModulePath()), Narrow(GetCommandLineW()),
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
