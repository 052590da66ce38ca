#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Text.h"

#include <windows.h>

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

[[noreturn]] void Fail(const char* what, std::string_view path) {
    throw FileError(std::string(what) + " \"" + std::string(path) + "\". " +
                    ErrorText(GetLastError()));
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
    File file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        Fail("Cannot open file", path);
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return AnsiToUtf8(bytes);
}

void Win32FileSystem::replaceTextFile(std::string_view path, std::string_view content) {
    // Write a temporary file beside the target, flush it, then move it over the target in one
    // step: a failure or a kill leaves either the old file or the new one, never a torn one.
    // A read-only file is not to be replaced (Windows refuses it; Wine would not).
    const DWORD existing = Attributes(path);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        Fail("Cannot create file", path);
    }
    const std::string temporary = std::string(path) + ".tmp";
    const auto wideTemporary = Widen(temporary);
    const std::string bytes = Utf8ToAnsi(content);
    {
        File file(CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            Fail("Cannot create file", path);
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) ||
            written != bytes.size() || !FlushFileBuffers(file.get())) {
            const DWORD error = GetLastError();
            file.close();
            DeleteFileW(wideTemporary.c_str());
            SetLastError(error);
            Fail("Cannot write file", path);
        }
    }
    if (!MoveFileExW(wideTemporary.c_str(), Widen(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(wideTemporary.c_str());
        SetLastError(error);
        Fail("Cannot create file", path);
    }
}

void Win32FileSystem::copyFile(std::string_view source, std::string_view destination) {
    // Blocks of 8192 bytes into a temporary file beside the destination, then one move over it:
    // a failure part-way leaves the old destination whole. The source is shared for reading
    // only, so nobody changes it while it is copied.
    const std::string sourceName(source);
    const std::string destinationName(destination);
    File from(CreateFileW(Widen(source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!from.valid())
        throw FileError("Cannot open file " + sourceName);
    const DWORD existing = Attributes(destination);
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        throw FileError("Cannot create file " + destinationName);
    const auto wideTemporary = Widen(destinationName + ".tmp");
    const auto fail = [&](const std::string& message) {
        DeleteFileW(wideTemporary.c_str());
        throw FileError(message);
    };
    {
        File to(CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!to.valid())
            throw FileError("Cannot create file " + destinationName);
        char block[8192];
        DWORD read = 0;
        while (true) {
            if (!ReadFile(from.get(), block, sizeof block, &read, nullptr)) {
                to.close();
                fail("Cannot open file " + sourceName);
            }
            if (read == 0)
                break;
            DWORD written = 0;
            if (!WriteFile(to.get(), block, read, &written, nullptr) || written != read) {
                to.close();
                fail("Cannot create file " + destinationName);
            }
        }
        if (!FlushFileBuffers(to.get())) {
            to.close();
            fail("Cannot create file " + destinationName);
        }
    }
    if (!MoveFileExW(wideTemporary.c_str(), Widen(destination).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("Cannot create file " + destinationName);
    if (existing != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(Widen(destination).c_str(), existing);
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

} // namespace quarl::platform::win32
