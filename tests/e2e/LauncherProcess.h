#pragma once

// Drives a real Launcher.exe from another process, as a player (or another program) would:
// through its windows, messages and the registry.
#include "support/Sandbox.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quarl::tests {

inline const std::wstring kLauncherKey = L"Software\\Quarl\\Launcher";
inline const std::wstring kGameKey = L"Software\\Red Storm Entertainment\\Rogue Spear";

// A POSIX path of the build as Wine sees it (the Unix root is drive Z:).
std::wstring WindowsPath(const char* posix);
// The whole content of a file; false when it cannot be opened.
bool ReadWholeFile(const std::wstring& path, std::string& content);
// Text for failure messages: each character's low byte.
std::string Narrow(const std::wstring& text);
// The file's content once it has at least the given number of lines (or after 10 s).
std::string WaitForFile(const std::wstring& path, std::size_t lines);
// Polls until the condition holds; false when it did not within the time.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// Registry helpers for seeding and reading back (the test shares the launcher's prefix).
void SetString(HKEY root, const std::wstring& path, const std::wstring& name,
               const std::wstring& value);
void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value);
std::wstring GetString(HKEY root, const std::wstring& path, const std::wstring& name);
DWORD GetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD fallback);

// A folder under the temporary folder with empty files of the given names, removed afterwards.
class GameFolder {
public:
    explicit GameFolder(const std::vector<std::wstring>& files);
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;
    ~GameFolder();
    const std::wstring& path() const { return path_; }
    void addFolder(const std::wstring& name);
    void copyIn(const std::wstring& source, const std::wstring& name);
    void write(const std::wstring& name, const std::string& content);

private:
    std::wstring path_;
};

// Any program started for a test, ended (forcibly if need be) when the object goes.
class Process {
public:
    explicit Process(const std::wstring& commandLine);
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();
    DWORD waitForExit(DWORD timeoutMs = 15000);
    // Ends the process at once, as a crash or the task manager would, and waits for the end.
    void kill();
    bool started() const { return process_.hProcess != nullptr; }
    HANDLE handle() const { return process_.hProcess; }

protected:
    PROCESS_INFORMATION process_{};
};

class LauncherProcess : public Process {
public:
    explicit LauncherProcess(const std::wstring& arguments = L"");
    // A launcher installed elsewhere (full Windows path of its Launcher.exe).
    struct Program {
        std::wstring path;
    };
    LauncherProcess(const Program& program, const std::wstring& arguments);

    // The visible top-level window of this process with the given caption, or nullptr.
    HWND waitForWindow(const wchar_t* caption, DWORD timeoutMs = 15000,
                       HWND except = nullptr) const;
    // Lets the launcher process everything queued so far (paint included).
    void settle(HWND window) const;
    // Sends WM_CLOSE and waits; the exit code, or STILL_ACTIVE when it did not end.
    DWORD close(HWND window, DWORD timeoutMs = 15000);
    // Sends a message whose lParam points at a structure (a list view query, say):
    // the structure is copied into the launcher's memory for the call and back afterwards.
    LRESULT sendWithData(HWND window, UINT message, WPARAM wParam, void* data,
                         std::size_t size) const;
};

std::wstring Text(HWND window);
bool Checked(HWND control);

} // namespace quarl::tests
