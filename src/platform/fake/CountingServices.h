#pragma once

#include "platform/FileSystem.h"
#include "platform/Registry.h"

#include <cstddef>
#include <map>
#include <string>

namespace quarl::platform::fake {

// Calls by operation name ("readValue", "fileExists"), in name order.
using CallCounts = std::map<std::string, std::size_t, std::less<>>;

// Total of all the counted calls.
std::size_t TotalCalls(const CallCounts& counts);

// A registry that forwards every call to another and counts it. Each call opens the key once,
// so the total is the number of key opens.
class CountingRegistry final : public Registry {
public:
    explicit CountingRegistry(Registry& inner) : inner_(inner) {}

    // Counted in const calls too: counting changes nothing the service holds.
    mutable CallCounts counts;

    bool keyExists(RootKey root, std::string_view path) const override;
    std::optional<RegistryValue> readValue(RootKey root, std::string_view path,
                                           std::string_view name) const override;
    bool writeValue(RootKey root, std::string_view path, std::string_view name,
                    const RegistryValue& value, bool createKey) override;

private:
    void count(const char* operation) const { ++counts[operation]; }
    Registry& inner_;
};

// A file system that forwards every call to another and counts it.
class CountingFileSystem final : public FileSystem {
public:
    explicit CountingFileSystem(FileSystem& inner) : inner_(inner) {}

    // Counted in const calls too: counting changes nothing the service holds.
    mutable CallCounts counts;

    bool fileExists(std::string_view path) const override;
    bool folderExists(std::string_view path) const override;
    bool listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const override;
    bool deleteFile(std::string_view path) override;
    std::string readTextFile(std::string_view path) const override;
    void replaceTextFile(std::string_view path, std::string_view content) override;
    using FileSystem::copyFile;
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

private:
    void count(const char* operation) const { ++counts[operation]; }
    FileSystem& inner_;
};

} // namespace quarl::platform::fake
