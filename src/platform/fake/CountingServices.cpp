#include "platform/fake/CountingServices.h"

namespace quarl::platform::fake {

std::size_t TotalCalls(const CallCounts& counts) {
    std::size_t total = 0;
    for (const auto& [operation, calls] : counts)
        total += calls;
    return total;
}

bool CountingRegistry::keyExists(RootKey root, std::string_view path) const {
    count("keyExists");
    return inner_.keyExists(root, path);
}

std::optional<RegistryValue> CountingRegistry::readValue(RootKey root, std::string_view path,
                                                         std::string_view name) const {
    count("readValue");
    return inner_.readValue(root, path, name);
}

bool CountingRegistry::writeValue(RootKey root, std::string_view path, std::string_view name,
                                  const RegistryValue& value, bool createKey) {
    count("writeValue");
    return inner_.writeValue(root, path, name, value, createKey);
}

bool CountingFileSystem::fileExists(std::string_view path) const {
    count("fileExists");
    return inner_.fileExists(path);
}

bool CountingFileSystem::folderExists(std::string_view path) const {
    count("folderExists");
    return inner_.folderExists(path);
}

bool CountingFileSystem::listFolder(std::string_view folder,
                                    std::vector<FolderEntry>& entries) const {
    count("listFolder");
    return inner_.listFolder(folder, entries);
}

bool CountingFileSystem::deleteFile(std::string_view path) {
    count("deleteFile");
    return inner_.deleteFile(path);
}

std::string CountingFileSystem::readTextFile(std::string_view path) const {
    count("readTextFile");
    return inner_.readTextFile(path);
}

void CountingFileSystem::replaceTextFile(std::string_view path, std::string_view content) {
    count("replaceTextFile");
    inner_.replaceTextFile(path, content);
}

void CountingFileSystem::copyFile(std::string_view source, std::string_view destination,
                                  const CopyProgress& progress) {
    count("copyFile");
    inner_.copyFile(source, destination, progress);
}

bool CountingFileSystem::sameContent(std::string_view first, std::string_view second) const {
    count("sameContent");
    return inner_.sameContent(first, second);
}

std::string CountingFileSystem::writeTemporaryFile(std::string_view target,
                                                   std::string_view content) {
    count("writeTemporaryFile");
    return inner_.writeTemporaryFile(target, content);
}

std::string CountingFileSystem::copyToTemporaryFile(std::string_view source) {
    count("copyToTemporaryFile");
    return inner_.copyToTemporaryFile(source);
}

bool CountingFileSystem::moveFile(std::string_view source, std::string_view destination) {
    count("moveFile");
    return inner_.moveFile(source, destination);
}

bool CountingFileSystem::setArchiveOnly(std::string_view path) {
    count("setArchiveOnly");
    return inner_.setArchiveOnly(path);
}

std::string CountingFileSystem::readProfileString(std::string_view path, std::string_view section,
                                                  std::string_view key,
                                                  std::string_view defaultValue) const {
    count("readProfileString");
    return inner_.readProfileString(path, section, key, defaultValue);
}

std::string CountingFileSystem::programFolder() const {
    count("programFolder");
    return inner_.programFolder();
}

} // namespace quarl::platform::fake
