#include "platform/win32/Win32FileSystem.h"

#include "platform/TemporaryFileName.h"
#include "platform/win32/Text.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <optional>

namespace quarl::platform::win32 {

namespace {

// An open file handle, closed when it goes out of scope.
class File {
public:
    explicit File(HANDLE handle) : handle_(handle) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void close() {
        if (valid())
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

DWORD Attributes(std::string_view path) {
    return GetFileAttributesW(Widen(path).c_str());
}

// The error for a failed call, with the system's reason.
FileError Failure(const char* what, std::string_view path) {
    return FileError(std::string(what) + " \"" + std::string(path) + "\". " +
                     ErrorText(GetLastError()));
}

[[noreturn]] void Fail(const char* what, std::string_view path) {
    throw Failure(what, path);
}

// False only for a process that has certainly ended: one that cannot be opened for want of
// rights runs.
bool ProcessRuns(DWORD id) {
    if (id == GetCurrentProcessId())
        return true;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return runs;
}

// Deletes the temporary files of this target that killed processes left behind. Files of any
// other name, and those of replaces still running, stay.
void RemoveLeftovers(std::string_view target) {
    const auto slash = target.find_last_of("\\/");
    const auto folder = Widen(slash == std::string_view::npos ? "" : target.substr(0, slash + 1));
    const auto name = Widen(slash == std::string_view::npos ? target : target.substr(slash + 1));
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Widen(std::string(target) + ".quarl-*.tmp").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        // The pattern also matches longer names and short 8.3 names: the whole name decides.
        const auto found = Narrow(data.cFileName);
        const auto owner = TemporaryFileOwnerOf(found);
        if (!owner)
            continue;
        const auto owned = Widen(owner->target);
        if (CompareStringOrdinal(owned.c_str(), static_cast<int>(owned.size()), name.c_str(),
                                 static_cast<int>(name.size()), TRUE) == CSTR_EQUAL &&
            !ProcessRuns(owner->process))
            DeleteFileW((folder + data.cFileName).c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

// A new temporary file beside the target, under a name of this process that no file has yet:
// it never overwrites a file of the user's.
HANDLE CreateTemporary(std::string_view target, std::wstring& name) {
    static std::atomic<std::uint32_t> counter{0};
    for (int attempt = 0;; ++attempt) {
        name = Widen(TemporaryFileName(target, GetCurrentProcessId(), counter++));
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS || attempt == 100)
            return file;
    }
}

using Fill = std::function<std::optional<FileError>(HANDLE)>;

// Fills a new temporary file beside the target and closes it; returns its name. `fill` writes
// and flushes, giving the error to throw when it fails (an exception from it goes on, after the
// temporary file); `cannotCreate` gives the error for a
// temporary file that cannot be made (asked while the reason is current). A failure leaves no
// file; a kill part-way leaves one that the next temporary file of the target removes.
std::wstring FillTemporary(std::string_view target, const Fill& fill,
                           const std::function<FileError()>& cannotCreate) {
    RemoveLeftovers(target);
    std::wstring temporary;
    std::optional<FileError> error;
    {
        File file(CreateTemporary(target, temporary));
        if (!file.valid())
            throw cannotCreate();
        try {
            error = fill(file.get());
        } catch (...) {
            // An exception from the fill (a copy's progress callback) goes on after the file.
            file.close();
            DeleteFileW(temporary.c_str());
            throw;
        }
    }
    if (!error)
        return temporary;
    DeleteFileW(temporary.c_str());
    throw *error;
}

// Fills a temporary file beside the target, then moves it over the target in one step: a
// failure or a kill part-way leaves the old target whole.
void ReplaceThroughTemporary(std::string_view target, const Fill& fill,
                             const std::function<FileError()>& cannotCreate) {
    const auto temporary = FillTemporary(target, fill, cannotCreate);
    if (MoveFileExW(temporary.c_str(), Widen(target).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    const auto error = cannotCreate();
    DeleteFileW(temporary.c_str());
    throw error;
}

// Writes the bytes whole and flushes them to the disk.
Fill WriteAll(const std::string& bytes, std::string_view path) {
    return [&bytes, path](HANDLE file) -> std::optional<FileError> {
        DWORD written = 0;
        if (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(file))
            return std::nullopt;
        return Failure("Cannot write file", path);
    };
}

// Copies an open file in blocks of 8192 bytes until a read returns nothing, checks that all
// `total` bytes arrived, and flushes the copy; reports the bytes copied after each block.
Fill CopyAll(HANDLE from, std::uint64_t total, const CopyProgress& progress,
             const std::function<FileError()>& cannotWrite,
             const std::function<FileError()>& cannotRead) {
    return
        [from, total, &progress, cannotWrite, cannotRead](HANDLE to) -> std::optional<FileError> {
            if (progress)
                progress(0, total);
            char block[8192];
            std::uint64_t copied = 0;
            DWORD read = 0;
            while (ReadFile(from, block, sizeof block, &read, nullptr)) {
                if (read == 0) {
                    // A source that is not whole now is not copied as if it were.
                    if (copied != total)
                        return cannotRead();
                    return FlushFileBuffers(to) ? std::nullopt
                                                : std::optional<FileError>(cannotWrite());
                }
                DWORD written = 0;
                if (!WriteFile(to, block, read, &written, nullptr) || written != read)
                    return cannotWrite();
                copied += read;
                if (progress)
                    progress(copied, total);
            }
            return cannotRead();
        };
}

// The size of an open file; nothing when it cannot be told.
std::optional<std::uint64_t> SizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

// The source shared for reading only, so that nobody changes it while it is copied.
HANDLE OpenToCopy(std::string_view source) {
    return CreateFileW(Widen(source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

bool Win32FileSystem::fileExists(std::string_view path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::folderExists(std::string_view path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::listFolder(std::string_view folder, std::vector<FolderEntry>& entries) const {
    std::string pattern(folder);
    if (!pattern.empty() && pattern.back() != '\\')
        pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Widen(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    entries.clear();
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        entries.push_back({Narrow(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

bool Win32FileSystem::deleteFile(std::string_view path) {
    return DeleteFileW(Widen(path).c_str()) != 0;
}

std::string Win32FileSystem::readTextFile(std::string_view path) const {
    return readTextFileStart(path, std::string::npos);
}

std::string Win32FileSystem::readTextFileStart(std::string_view path, std::size_t maxBytes) const {
    File file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        Fail("Cannot open file", path);
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < maxBytes) {
        // Only a read that succeeds with nothing is the end: a failed one would cut the text.
        const auto wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, wanted, &read, nullptr))
            Fail("Cannot read file", path);
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    return AnsiToUtf8(bytes);
}

void Win32FileSystem::replaceTextFile(std::string_view path, std::string_view content) {
    // A read-only file is not to be replaced (Windows refuses it; Wine would not).
    const DWORD existing = Attributes(path);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        Fail("Cannot create file", path);
    }
    const std::string bytes = Utf8ToAnsi(content);
    ReplaceThroughTemporary(path, WriteAll(bytes, path),
                            [&] { return Failure("Cannot create file", path); });
}

void Win32FileSystem::copyFile(std::string_view source, std::string_view destination,
                               const CopyProgress& progress) {
    // Into a temporary file beside the destination, then one move over it: a failure part-way
    // leaves the old destination whole.
    const std::string sourceName(source);
    const std::string destinationName(destination);
    File from(OpenToCopy(source));
    const auto total = from.valid() ? SizeOf(from.get()) : std::nullopt;
    if (!total)
        throw FileError("Cannot open file " + sourceName);
    const DWORD existing = Attributes(destination);
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        throw FileError("Cannot create file " + destinationName);
    const std::function<FileError()> cannotCreate = [&] {
        return FileError("Cannot create file " + destinationName);
    };
    ReplaceThroughTemporary(destination,
                            CopyAll(from.get(), *total, progress, cannotCreate,
                                    [&] { return FileError("Cannot open file " + sourceName); }),
                            cannotCreate);
    if (existing != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(Widen(destination).c_str(), existing);
}

std::string Win32FileSystem::writeTemporaryFile(std::string_view target, std::string_view content) {
    const std::string bytes = Utf8ToAnsi(content);
    return Narrow(FillTemporary(target, WriteAll(bytes, target),
                                [&] { return Failure("Cannot create file", target); }));
}

std::string Win32FileSystem::copyToTemporaryFile(std::string_view source) {
    const std::string sourceName(source);
    File from(OpenToCopy(source));
    const auto total = from.valid() ? SizeOf(from.get()) : std::nullopt;
    if (!total)
        throw FileError("Cannot open file " + sourceName);
    const std::function<FileError()> cannotCreate = [&] {
        return Failure("Cannot create file", source);
    };
    return Narrow(
        FillTemporary(source,
                      CopyAll(from.get(), *total, {}, cannotCreate,
                              [&] { return FileError("Cannot open file " + sourceName); }),
                      cannotCreate));
}

bool Win32FileSystem::moveFile(std::string_view source, std::string_view destination) {
    const DWORD moving = Attributes(source);
    if (moving == INVALID_FILE_ATTRIBUTES || (moving & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A read-only destination is not replaced (Windows refuses it; Wine would not).
    const DWORD existing = Attributes(destination);
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    return MoveFileExW(Widen(source).c_str(), Widen(destination).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::sameContent(std::string_view first, std::string_view second) const {
    if (!fileExists(first) || !fileExists(second))
        return false;
    const auto open = [](std::string_view path) {
        HANDLE file =
            CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            throw FileError("Cannot open file " + std::string(path));
        return file;
    };
    File one(open(first));
    File other(open(second));
    LARGE_INTEGER oneSize{};
    LARGE_INTEGER otherSize{};
    if (!GetFileSizeEx(one.get(), &oneSize))
        throw FileError("Cannot open file " + std::string(first));
    if (!GetFileSizeEx(other.get(), &otherSize))
        throw FileError("Cannot open file " + std::string(second));
    if (oneSize.QuadPart != otherSize.QuadPart)
        return false;
    // Fills the block unless the file ends first; returns the bytes read.
    const auto readBlock = [](HANDLE file, char* block, DWORD size, std::string_view path) {
        DWORD filled = 0;
        while (filled < size) {
            DWORD read = 0;
            if (!ReadFile(file, block + filled, size - filled, &read, nullptr))
                throw FileError("Cannot open file " + std::string(path));
            if (read == 0)
                break;
            filled += read;
        }
        return filled;
    };
    char oneBlock[8192];
    char otherBlock[8192];
    for (;;) {
        const DWORD oneRead = readBlock(one.get(), oneBlock, sizeof oneBlock, first);
        const DWORD otherRead = readBlock(other.get(), otherBlock, sizeof otherBlock, second);
        if (oneRead != otherRead || std::memcmp(oneBlock, otherBlock, oneRead) != 0)
            return false;
        if (oneRead == 0)
            return true;
    }
}

bool Win32FileSystem::setArchiveOnly(std::string_view path) {
    return fileExists(path) && SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_ARCHIVE) != 0;
}

std::string Win32FileSystem::readProfileString(std::string_view path, std::string_view section,
                                               std::string_view key,
                                               std::string_view defaultValue) const {
    std::wstring buffer(2048, L'\0');
    const DWORD length = GetPrivateProfileStringW(
        Widen(section).c_str(), Widen(key).c_str(), Widen(defaultValue).c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), Widen(path).c_str());
    buffer.resize(length);
    return Narrow(buffer);
}

std::string Win32FileSystem::programFolder() const {
    const auto path = ModulePath();
    const auto slash = path.find_last_of(L'\\');
    return Narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

} // namespace quarl::platform::win32
