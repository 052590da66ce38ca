#include "LauncherProcess.h"

#include <algorithm>
#include <thread>

namespace quarl::tests {

std::wstring WindowsPath(const char* posix) {
    std::wstring path = L"Z:";
    for (const char* c = posix; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

std::string WaitForFile(const std::wstring& path, std::size_t lines) {
    std::string content;
    WaitFor(
        [&] {
            return ReadWholeFile(path, content) &&
                   static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) >=
                       lines;
        },
        std::chrono::seconds(10));
    return content;
}

bool ReadWholeFile(const std::wstring& path, std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    content.clear();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return true;
}

Process::Process(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &process_);
}

Process::~Process() {
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

DWORD Process::waitForExit(DWORD timeoutMs) {
    WaitForSingleObject(process_.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void Process::kill() {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 15000);
}

void SetString(HKEY root, const std::wstring& path, const std::wstring& name,
               const std::wstring& value) {
    SetValue(root, path, name, REG_SZ, value.c_str(),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value) {
    SetValue(root, path, name, REG_DWORD, &value, sizeof value);
}

std::wstring GetString(HKEY root, const std::wstring& path, const std::wstring& name) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (GetValue(root, path, name, RRF_RT_REG_SZ, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

DWORD GetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (GetValue(root, path, name, RRF_RT_REG_DWORD, &value, &size) != ERROR_SUCCESS)
        return fallback;
    return value;
}

GameFolder::GameFolder(const std::vector<std::wstring>& files)
    : path_(NewScratchFolder(L"quarl-game")) {
    CreateDirectoryW(path_.c_str(), nullptr);
    CreateDirectoryW((path_ + L"\\mods").c_str(), nullptr);
    for (const auto& name : files)
        write(name, "");
}

void GameFolder::addFolder(const std::wstring& name) {
    CreateDirectoryW((path_ + L"\\" + name).c_str(), nullptr);
}

void GameFolder::copyIn(const std::wstring& source, const std::wstring& name) {
    CopyFileW(source.c_str(), (path_ + L"\\" + name).c_str(), FALSE);
}

void GameFolder::write(const std::wstring& name, const std::string& content) {
    WriteWholeFile(path_ + L"\\" + name, content);
}

GameFolder::~GameFolder() {
    RemoveTree(path_);
}

LauncherProcess::LauncherProcess(const std::wstring& arguments)
    : LauncherProcess(Program{WindowsPath(QUARL_LAUNCHER_EXE)}, arguments) {}

LauncherProcess::LauncherProcess(const Program& program, const std::wstring& arguments)
    : Process(L"\"" + program.path + L"\" " + arguments) {}

namespace {

struct Search {
    DWORD processId;
    const wchar_t* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || window == search->except)
        return TRUE;
    if (Text(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND LauncherProcess::waitForWindow(const wchar_t* caption, DWORD timeoutMs, HWND except) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        Search search{process_.dwProcessId, caption, except, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

void LauncherProcess::settle(HWND window) const {
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR result;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

DWORD LauncherProcess::close(HWND window, DWORD timeoutMs) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return waitForExit(timeoutMs);
}

LRESULT LauncherProcess::sendWithData(HWND window, UINT message, WPARAM wParam, void* data,
                                      std::size_t size) const {
    void* remote =
        VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote)
        return 0;
    DWORD_PTR result = 0;
    if (WriteProcessMemory(process_.hProcess, remote, data, size, nullptr)) {
        SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL,
                            5000, &result);
        ReadProcessMemory(process_.hProcess, remote, data, size, nullptr);
    }
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return static_cast<LRESULT>(result);
}

std::wstring Text(HWND window) {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                        SMTO_NORMAL, 5000, nullptr);
    return buffer;
}

bool Checked(HWND control) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state);
    return state == BST_CHECKED;
}

} // namespace quarl::tests
