#pragma once

#include "platform/FileSystem.h"
#include "platform/fake/FaultPlan.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace quarl::platform::fake {

// An in-memory file system with Windows path rules: case-insensitive names, repeated
// backslashes tolerated, folders listed in the order their entries were created. Adding a file
// or folder creates its parent folders. Read-only files cannot be deleted or replaced; a
// read-only folder takes no new files. A copy fills a temporary file beside its destination block
// by block and renames it over the destination; a replace or copy leaves no temporary file and
// removes the leftovers of its target that an ended process left (platform/TemporaryFileName.h).
class FakeFileSystem final : public FileSystem {
public:
    // The steps that copies, replaces, reads and comparisons are made of, for fault injection.
    enum class Step { Open, Create, Write, Rename };

    using FileSystem::copyFile;
    bool fileExists(std::string_view path) const override;
    bool folderExists(std::string_view path) const override;
    bool listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const override;
    bool deleteFile(std::string_view path) override;
    std::string readTextFile(std::string_view path) const override;
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
    std::string programFolder() const override { return programFolder_; }

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
    void failReads(std::string_view path, bool fail = true);
    // Writing files into the folder fails part-way, as on a full disk: replaces, copies and
    // temporary files fail and leave nothing behind.
    void failWrites(std::string_view folder);
    // Fails the n-th step of that kind from now on (1: the next one): an open as for a file in
    // use, a create or a rename as for a denied folder, a write part-way as on a full disk.
    void failStep(Step step, int n);
    // The steps of that kind taken so far.
    int steps(Step step) const { return steps_[static_cast<std::size_t>(step)]; }
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    // Marks a process, besides this one, as running: its temporary files are not leftovers.
    void setProcessRunning(std::uint32_t process, bool running = true);
    // Counts every operation that can fail in the plan, which may fail any of them.
    void setFaults(FaultPlan* plan) { faults_ = plan; }
    // Every file, by its path as written (folders as first added), with its content.
    std::map<std::string, std::string> files() const;

private:
    static constexpr std::uint32_t kProcessId = 1000; // this process's

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
    void removeLeftoversOf(std::string_view target);
    bool writesFail(std::string_view path) const;
    // A new temporary file of this process beside the target, holding the content.
    std::string addTemporary(std::string_view target, std::string content);
    // Counts a step; throws the error when it is the one to fail.
    void take(Step step, const std::string& error) const;
    // Counts an operation in the fault plan; true when it is to fail.
    bool planned(std::string_view kind, std::string_view path) const {
        return faults_ && faults_->fails(kind, path);
    }

    std::map<std::string, Entry> entries_; // normalized path -> entry
    std::uint64_t nextOrder_ = 0;
    std::set<std::uint32_t> running_;
    std::set<std::string> failingWrites_; // normalized folder paths
    mutable std::array<int, 4> steps_{};
    std::array<int, 4> failingStep_{};
    std::uint32_t temporaries_ = 0;
    std::string programFolder_ = "C:\\Program Files\\Quarl Launcher";
    FaultPlan* faults_ = nullptr;
};

// GetPrivateProfileString over a file's text: case-insensitive sections and keys, values
// trimmed, one pair of surrounding quotes stripped, the first duplicate key wins.
std::string ProfileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view defaultValue);

} // namespace quarl::platform::fake
