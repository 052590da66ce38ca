#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quarl::tests {

// A file system to run the file contract against, with a private sandbox folder.
class FileSystemBackend {
public:
    virtual ~FileSystemBackend() = default;
    virtual platform::FileSystem& files() = 0;
    // The sandbox folder's Windows path, without a trailing backslash.
    virtual std::string sandbox() const = 0;
    virtual void addFolder(const std::string& path) = 0;
    virtual void addFile(const std::string& path, const std::string& content) = 0;
    virtual void setReadOnly(const std::string& path) = 0;
    // A file whose reading fails part-way, after its first bytes (the fake fails at once).
    virtual std::string unreadableFile(const std::string& firstBytes) = 0;
    // The id of a process that runs, and of one that has ended.
    virtual std::uint32_t runningProcess() = 0;
    virtual std::uint32_t endedProcess() = 0;
};

std::unique_ptr<FileSystemBackend> MakeFileSystemBackend();

} // namespace quarl::tests
