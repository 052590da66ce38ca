#include "contract/FileSystemBackend.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/Sandbox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace quarl::tests {
namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

// A pipe that gives its first bytes to the reader that opens it, then aborts the read that waits
// for more: a read failing part-way, as on a disk error (Wine does not let a byte-range lock
// fail a read). The reader is the thread that made the pipe.
class FailingPipe {
public:
    FailingPipe(std::wstring name, std::string firstBytes)
        : name_(std::move(name)),
          pipe_(CreateNamedPipeW(name_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                 65536, 65536, 0, nullptr)) {
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &reader_, 0,
                        FALSE, DUPLICATE_SAME_ACCESS);
        server_ = std::thread([this, bytes = std::move(firstBytes)] {
            if (!ConnectNamedPipe(pipe_, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
                return;
            DWORD written = 0;
            WriteFile(pipe_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            while (!stop_ && !CancelSynchronousIo(reader_))
                Sleep(1);
        });
    }
    FailingPipe(const FailingPipe&) = delete;
    FailingPipe& operator=(const FailingPipe&) = delete;
    ~FailingPipe() {
        stop_ = true;
        // Ends the wait for a reader that never came.
        HANDLE client = CreateFileW(name_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        server_.join();
        if (client != INVALID_HANDLE_VALUE)
            CloseHandle(client);
        CloseHandle(pipe_);
        CloseHandle(reader_);
    }
    std::string path() const { return Narrow(name_); }

private:
    std::wstring name_;
    HANDLE pipe_;
    HANDLE reader_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread server_;
};

// A process of this test program that never runs: created suspended.
PROCESS_INFORMATION StartSuspended() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process))
        ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    CloseHandle(process.hThread);
    return process;
}

// A sandbox folder under the temporary folder, removed with everything in it.
class Win32Backend final : public FileSystemBackend {
public:
    Win32Backend() : folder_(NewScratchFolder(L"quarl-files")) {
        RemoveTree(folder_);
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~Win32Backend() override {
        for (HANDLE process : processes_) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, INFINITE);
            CloseHandle(process);
        }
        RemoveTree(folder_);
    }
    platform::FileSystem& files() override { return files_; }
    std::string sandbox() const override { return Narrow(folder_); }
    void addFolder(const std::string& path) override {
        CreateDirectoryW(Widen(path).c_str(), nullptr);
    }
    void addFile(const std::string& path, const std::string& content) override {
        WriteWholeFile(Widen(path), content);
    }
    void setReadOnly(const std::string& path) override {
        SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    }
    std::string unreadableFile(const std::string& firstBytes) override {
        const auto name = L"\\\\.\\pipe\\" + folder_.substr(folder_.rfind(L'\\') + 1) + L"-" +
                          std::to_wstring(pipes_.size());
        pipes_.push_back(std::make_unique<FailingPipe>(name, firstBytes));
        return pipes_.back()->path();
    }
    std::uint32_t runningProcess() override {
        const auto process = StartSuspended();
        processes_.push_back(process.hProcess);
        return process.dwProcessId;
    }
    std::uint32_t endedProcess() override {
        const auto process = StartSuspended();
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, INFINITE);
        // Held, so that no new process takes its id during the test.
        processes_.push_back(process.hProcess);
        return process.dwProcessId;
    }

private:
    std::wstring folder_;
    platform::win32::Win32FileSystem files_;
    std::vector<std::unique_ptr<FailingPipe>> pipes_;
    std::vector<HANDLE> processes_;
};

} // namespace

std::unique_ptr<FileSystemBackend> MakeFileSystemBackend() {
    return std::make_unique<Win32Backend>();
}

} // namespace quarl::tests
