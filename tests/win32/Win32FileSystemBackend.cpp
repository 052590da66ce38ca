#include "contract/FileSystemBackend.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/RemoveTree.h"

#include <windows.h>

namespace quarl::tests {
namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

// A sandbox folder under the temporary folder, removed with everything in it.
class Win32Backend final : public FileSystemBackend {
public:
    Win32Backend() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::wstring folder = temp;
        if (!folder.empty() && folder.back() == L'\\')
            folder.pop_back();
        folder_ = folder + L"\\quarl-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(counter_++);
        RemoveTree(folder_);
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~Win32Backend() override { RemoveTree(folder_); }
    platform::FileSystem& files() override { return files_; }
    std::string sandbox() const override { return Narrow(folder_); }
    void addFolder(const std::string& path) override {
        CreateDirectoryW(Widen(path).c_str(), nullptr);
    }
    void addFile(const std::string& path, const std::string& content) override {
        HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    void setReadOnly(const std::string& path) override {
        SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    }

private:
    static inline int counter_ = 0;
    std::wstring folder_;
    platform::win32::Win32FileSystem files_;
};

} // namespace

std::unique_ptr<FileSystemBackend> MakeFileSystemBackend() {
    return std::make_unique<Win32Backend>();
}

} // namespace quarl::tests
