#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <string>

namespace quarl::platform::fake {

// An in-memory file system with Windows path rules: case-insensitive names, repeated
// backslashes tolerated, folders listed in the order their entries were created. Adding a file
// or folder creates its parent folders. Read-only files cannot be deleted or replaced; a
// read-only folder takes no new files.
class FakeFileSystem final : public FileSystem {
public:
    bool fileExists(std::string_view path) const override;
    bool folderExists(std::string_view path) const override;
    bool listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const override;
    bool deleteFile(std::string_view path) override;
    std::string readTextFile(std::string_view path) const override;
    void replaceTextFile(std::string_view path, std::string_view content) override;
    void copyFile(std::string_view source, std::string_view destination) override;
    bool setArchiveOnly(std::string_view path) override;
    std::string readProfileString(std::string_view path, std::string_view section,
                                  std::string_view key,
                                  std::string_view defaultValue) const override;

    // Test set-up helpers.
    void addFolder(std::string_view path);
    void addFile(std::string_view path, std::string content = {});
    void setReadOnly(std::string_view path, bool readOnly = true);
    bool readOnly(std::string_view path) const;
    // Listing the folder fails, as for a folder the user may not read.
    void denyListing(std::string_view path);
    const std::string* content(std::string_view path) const;
    // Reading the file fails, as on a disk error: readTextFile throws "Cannot read file ...", a
    // copy from it "Cannot open file ...".
    void failReads(std::string_view path);

private:
    struct Entry {
        std::string name; // last path component as written
        bool isFolder = false;
        bool readOnly = false;
        bool unlistable = false;
        bool unreadable = false;
        std::string content;
        std::uint64_t order = 0;
    };
    Entry* find(std::string_view path);
    const Entry* find(std::string_view path) const;
    Entry& add(std::string_view path, bool isFolder);

    std::map<std::string, Entry> entries_; // normalized path -> entry
    std::uint64_t nextOrder_ = 0;
};

// GetPrivateProfileString over a file's text: case-insensitive sections and keys, values
// trimmed, one pair of surrounding quotes stripped, the first duplicate key wins.
std::string ProfileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view defaultValue);

} // namespace quarl::platform::fake
