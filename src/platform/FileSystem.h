#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quarl::platform {

// An unexpected file input/output failure; it aborts the current operation and is shown in the
// generic error box at the dispatch boundary.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How far a copy has come: bytes copied of the source's size. Called before the first block and
// after each one; a long copy lets pending window messages run from here.
using CopyProgress = std::function<void(std::uint64_t copied, std::uint64_t total)>;

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// Files addressed by Windows paths ("C:\Games\Rogue Spear\RogueSpear.exe"): names are matched
// without regard to case, repeated backslashes are tolerated. Text is UTF-8 here; the Windows
// implementation converts to the ANSI code page for files the game reads.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(std::string_view path) const = 0;
    virtual bool folderExists(std::string_view path) const = 0;
    // Entries of a folder in the order the system lists them, without "." and "..".
    // Returns false when the listing cannot start (missing folder, no access).
    virtual bool listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const = 0;
    // Returns false when the file could not be deleted (missing, read-only, in use).
    virtual bool deleteFile(std::string_view path) = 0;
    // Whole-file read; throws FileError when the file cannot be opened or a read fails part-way
    // ("Cannot read file ..."), never a part of the text.
    virtual std::string readTextFile(std::string_view path) const = 0;
    // The start of a file of unknown size: at most maxBytes bytes are read, so a huge file costs
    // no more than that. Fails as readTextFile does.
    virtual std::string readTextFileStart(std::string_view path, std::size_t maxBytes) const {
        auto text = readTextFile(path);
        if (text.size() > maxBytes)
            text.resize(maxBytes);
        return text;
    }
    // Replaces the file crash-safely: the old content or the new, never a half-written file. The
    // new content goes into a temporary file beside it, named after it and this process
    // (platform/TemporaryFileName.h) and created new, so that no file of that name is ever
    // overwritten; then a rename over the file. Temporary files of this file that an ended
    // process left are deleted; no other file is touched. Throws FileError on failure.
    virtual void replaceTextFile(std::string_view path, std::string_view content) = 0;
    // Copies the source's bytes over the destination, creating it when missing; an existing
    // destination keeps its attributes. Crash-safe like replaceTextFile: a failed copy leaves the
    // old destination. Throws FileError "Cannot open file <source>" when the source cannot be
    // read, "Cannot create file <destination>" when the destination cannot be written (missing
    // folder, read-only, in use). Copies in blocks of 8192 bytes until a read returns nothing,
    // and checks that every byte of the source arrived. An exception from the progress callback
    // ends the copy as a failure would.
    virtual void copyFile(std::string_view source, std::string_view destination,
                          const CopyProgress& progress) = 0;
    void copyFile(std::string_view source, std::string_view destination) {
        copyFile(source, destination, {});
    }
    // Whether both files hold the same bytes; false when either is missing. Throws FileError
    // "Cannot open file <path>" when one cannot be read.
    virtual bool sameContent(std::string_view first, std::string_view second) const = 0;
    // Writes the text into a new temporary file beside the target, named after it and this
    // process (platform/TemporaryFileName.h), complete and flushed, and returns its path. The
    // target's temporary files that an ended process left are deleted first. Throws FileError,
    // leaving no file, when it cannot be created or written whole.
    virtual std::string writeTemporaryFile(std::string_view target, std::string_view content) = 0;
    // A byte copy of the file in a new temporary file beside it, made as writeTemporaryFile
    // makes them; returns its path. Throws FileError "Cannot open file <source>" when the source
    // cannot be read, and FileError when the copy cannot be written, leaving no file.
    virtual std::string copyToTemporaryFile(std::string_view source) = 0;
    // Renames the file to the destination in the same folder, replacing the destination in one
    // step: it is the old file or the moved one, never neither. Returns false, leaving both as
    // they were, when the source is missing or a folder, or the destination is read-only, a
    // folder, in use or in a missing folder.
    virtual bool moveFile(std::string_view source, std::string_view destination) = 0;
    // Leaves the file with the archive attribute only (clears read-only, hidden and system).
    // Returns false when the file is missing or the attributes cannot be set.
    virtual bool setArchiveOnly(std::string_view path) = 0;
    // Windows profile-file read (GetPrivateProfileString rules).
    virtual std::string readProfileString(std::string_view path, std::string_view section,
                                          std::string_view key,
                                          std::string_view defaultValue) const = 0;
    // The folder the program's own file is in, without a trailing backslash.
    virtual std::string programFolder() const = 0;
};

} // namespace quarl::platform
