#include "HostFileSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

namespace quarl::bench {

namespace fs = std::filesystem;

namespace {

int temporaryCounter = 0;

} // namespace

void WriteWholeFile(const fs::path& path, std::string_view bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        throw platform::FileError("Cannot create file " + path.string());
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            ::close(file);
            throw platform::FileError("Cannot write file " + path.string());
        }
        done += static_cast<std::size_t>(written);
    }
    ::fsync(file);
    ::close(file);
}

std::string ReadWholeFile(const fs::path& path) {
    const int file = ::open(path.c_str(), O_RDONLY);
    if (file < 0)
        throw platform::FileError("Cannot open file " + path.string());
    std::string bytes;
    char block[65536];
    for (;;) {
        const auto read = ::read(file, block, sizeof block);
        if (read <= 0)
            break;
        bytes.append(block, static_cast<std::size_t>(read));
    }
    ::close(file);
    return bytes;
}

fs::path HostFileSystem::host(std::string_view path) const {
    // Drop the drive ("C:"), then one folder per backslash-separated name.
    if (path.size() >= 2 && path[1] == ':')
        path.remove_prefix(2);
    fs::path result = root_;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            result /= std::string(path.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool HostFileSystem::fileExists(std::string_view path) const {
    std::error_code error;
    return fs::is_regular_file(host(path), error);
}

bool HostFileSystem::folderExists(std::string_view path) const {
    std::error_code error;
    return fs::is_directory(host(path), error);
}

bool HostFileSystem::listFolder(std::string_view folder,
                                std::vector<platform::FolderEntry>& entries) const {
    std::error_code error;
    fs::directory_iterator it(host(folder), error);
    if (error)
        return false;
    for (const auto& entry : it)
        entries.push_back({entry.path().filename().string(), entry.is_directory(error)});
    return true;
}

bool HostFileSystem::deleteFile(std::string_view path) {
    std::error_code error;
    return fs::remove(host(path), error);
}

std::string HostFileSystem::readTextFile(std::string_view path) const {
    return ReadWholeFile(host(path));
}

void HostFileSystem::replaceTextFile(std::string_view path, std::string_view content) {
    const auto temporary = writeTemporaryFile(path, content);
    if (!moveFile(temporary, path))
        throw platform::FileError("Cannot create file " + std::string(path));
}

void HostFileSystem::copyFile(std::string_view source, std::string_view destination,
                              const platform::CopyProgress& progress) {
    const auto bytes = ReadWholeFile(host(source));
    if (progress)
        progress(0, bytes.size());
    WriteWholeFile(host(destination), bytes);
    if (progress)
        progress(bytes.size(), bytes.size());
}

bool HostFileSystem::sameContent(std::string_view first, std::string_view second) const {
    if (!fileExists(first) || !fileExists(second))
        return false;
    return ReadWholeFile(host(first)) == ReadWholeFile(host(second));
}

std::string HostFileSystem::writeTemporaryFile(std::string_view target, std::string_view content) {
    const auto temporary = std::string(target) + ".tmp." + std::to_string(::getpid()) + "." +
                           std::to_string(++temporaryCounter);
    WriteWholeFile(host(temporary), content);
    return temporary;
}

std::string HostFileSystem::copyToTemporaryFile(std::string_view source) {
    return writeTemporaryFile(source, ReadWholeFile(host(source)));
}

bool HostFileSystem::moveFile(std::string_view source, std::string_view destination) {
    std::error_code error;
    fs::rename(host(source), host(destination), error);
    return !error;
}

bool HostFileSystem::setArchiveOnly(std::string_view path) {
    return fileExists(path);
}

std::string HostFileSystem::readProfileString(std::string_view, std::string_view, std::string_view,
                                              std::string_view defaultValue) const {
    return std::string(defaultValue);
}

} // namespace quarl::bench
