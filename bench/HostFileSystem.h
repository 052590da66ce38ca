#pragma once

// The launcher's file system service on this machine's own disk, for the native benchmarks: the
// core's work is then measured against real reads, writes and listings. A Windows path
// "C:\Games\Rogue Spear" is the folder <root>/Games/Rogue Spear; names are matched exactly.
#include "platform/FileSystem.h"

#include <filesystem>
#include <string>

namespace quarl::bench {

class HostFileSystem final : public platform::FileSystem {
public:
    explicit HostFileSystem(std::filesystem::path root) : root_(std::move(root)) {}

    // Where a Windows path lives on this machine.
    std::filesystem::path host(std::string_view path) const;

    bool fileExists(std::string_view path) const override;
    bool folderExists(std::string_view path) const override;
    bool listFolder(std::string_view folder,
                    std::vector<platform::FolderEntry>& entries) const override;
    bool deleteFile(std::string_view path) override;
    std::string readTextFile(std::string_view path) const override;
    void replaceTextFile(std::string_view path, std::string_view content) override;
    using FileSystem::copyFile;
    void copyFile(std::string_view source, std::string_view destination,
                  const platform::CopyProgress& progress) override;
    bool sameContent(std::string_view first, std::string_view second) const override;
    std::string writeTemporaryFile(std::string_view target, std::string_view content) override;
    std::string copyToTemporaryFile(std::string_view source) override;
    bool moveFile(std::string_view source, std::string_view destination) override;
    bool setArchiveOnly(std::string_view path) override;
    // No profile files are read by the work measured: every key gives its default.
    std::string readProfileString(std::string_view path, std::string_view section,
                                  std::string_view key,
                                  std::string_view defaultValue) const override;
    std::string programFolder() const override { return "C:\\Quarl"; }

private:
    std::filesystem::path root_;
};

// Plain whole-file I/O: the floor the launcher's file work is compared with. The write is
// flushed to the disk, as the launcher's own writes are.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadWholeFile(const std::filesystem::path& path);

} // namespace quarl::bench
