#include "contract/FileSystemBackend.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/Sandbox.h"

#include <windows.h>

namespace quarl::tests {
namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

// A sandbox folder under the temporary folder, removed with everything in it.
class Win32Backend final : public FileSystemBackend {
public:
    Win32Backend() : folder_(NewScratchFolder(L"quarl-files")) {
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
        WriteWholeFile(Widen(path), content);
    }
    void setReadOnly(const std::string& path) override {
        SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    }

private:
    std::wstring folder_;
    platform::win32::Win32FileSystem files_;
};

} // namespace

std::unique_ptr<FileSystemBackend> MakeFileSystemBackend() {
    return std::make_unique<Win32Backend>();
}

} // namespace quarl::tests
