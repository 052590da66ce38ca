#pragma once

#include "platform/FileSystem.h"

namespace quarl::platform::win32 {

class Win32FileSystem final : public FileSystem {
public:
    using FileSystem::copyFile;

    bool fileExists(std::string_view path) const override;
    bool folderExists(std::string_view path) const override;
    bool listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const override;
    bool deleteFile(std::string_view path) override;
    std::string readTextFile(std::string_view path) const override;
    std::string readTextFileStart(std::string_view path, std::size_t maxBytes) const override;
    void replaceTextFile(std::string_view path, std::string_view content) override;
    void copyFile(std::string_view source, std::string_view destination,
                  const CopyProgress& progress) override;
    bool sameContent(std::string_view first, std::string_view second) const override;
    std::string writeTemporaryFile(std::string_view target, std::string_view content) override;
    std::string copyToTemporaryFile(std::string_view source) override;
    bool moveFile(std::string_view source, std::string_view destination) override;
    bool setArchiveOnly(std::string_view path) override;
    std::string readProfileString(std::string_view path, std::string_view section,
                                  std::string_view key,
                                  std::string_view defaultValue) const override;
    std::string programFolder() const override;
};

} // namespace quarl::platform::win32
