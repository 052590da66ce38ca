#include "platform/fake/FakeFileSystem.h"

#include "base/ScopeExit.h"
#include "platform/TemporaryFileName.h"
#include "platform/fake/FakePaths.h"

#include <algorithm>

namespace quarl::platform::fake {

namespace {

constexpr std::size_t kBlock = 8192;

std::string_view LastComponent(std::string_view path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.remove_suffix(1);
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view Trim(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

FakeFileSystem::Entry* FakeFileSystem::find(std::string_view path) {
    const auto it = entries_.find(NormalizePath(path));
    return it == entries_.end() ? nullptr : &it->second;
}

const FakeFileSystem::Entry* FakeFileSystem::find(std::string_view path) const {
    const auto it = entries_.find(NormalizePath(path));
    return it == entries_.end() ? nullptr : &it->second;
}

FakeFileSystem::Entry& FakeFileSystem::add(std::string_view path, bool isFolder) {
    const auto key = NormalizePath(path);
    const auto parent = ParentOf(key);
    if (!parent.empty() && !entries_.count(parent)) {
        // Rebuild the parent's spelling from the path as given.
        auto given = std::string(path);
        while (!given.empty() && (given.back() == '\\' || given.back() == '/'))
            given.pop_back();
        add(given.substr(0, given.find_last_of("\\/")), true);
    }
    auto [it, inserted] = entries_.try_emplace(key);
    if (inserted) {
        it->second.name = std::string(LastComponent(path));
        it->second.order = nextOrder_++;
    }
    it->second.isFolder = isFolder;
    return it->second;
}

bool FakeFileSystem::fileExists(std::string_view path) const {
    const auto* entry = find(path);
    return entry && !entry->isFolder;
}

bool FakeFileSystem::folderExists(std::string_view path) const {
    const auto* entry = find(path);
    return entry && entry->isFolder;
}

bool FakeFileSystem::listFolder(std::string_view folder, std::vector<FolderEntry>& result) const {
    if (planned("list", folder))
        return false;
    const auto* self = find(folder);
    if (!self || !self->isFolder || self->unlistable)
        return false;
    const auto key = NormalizePath(folder);
    std::vector<const Entry*> children;
    for (const auto& [path, entry] : entries_)
        if (ParentOf(path) == key && path != key)
            children.push_back(&entry);
    std::sort(children.begin(), children.end(),
              [](const Entry* a, const Entry* b) { return a->order < b->order; });
    result.clear();
    for (const auto* child : children)
        result.push_back({child->name, child->isFolder});
    return true;
}

bool FakeFileSystem::deleteFile(std::string_view path) {
    if (planned("delete", path))
        return false;
    const auto* entry = find(path);
    if (!entry || entry->isFolder || entry->readOnly)
        return false;
    entries_.erase(NormalizePath(path));
    return true;
}

std::string FakeFileSystem::readTextFile(std::string_view path) const {
    if (planned("read", path))
        throw FileError("Cannot read file \"" + std::string(path) +
                        "\". The request could not be performed because of an I/O device error");
    take(Step::Open, "Cannot open file \"" + std::string(path) +
                         "\". The process cannot access the file because it is being used by "
                         "another process");
    const auto* entry = find(path);
    if (!entry || entry->isFolder)
        throw FileError("Cannot open file \"" + std::string(path) +
                        "\". The system cannot find the file specified");
    if (entry->unreadable)
        throw FileError("Cannot read file \"" + std::string(path) +
                        "\". The request could not be performed because of an I/O device error");
    return entry->content;
}

void FakeFileSystem::replaceTextFile(std::string_view path, std::string_view content) {
    if (planned("replace", path))
        throw FileError("Cannot write file \"" + std::string(path) +
                        "\". There is not enough space on the disk");
    const auto key = NormalizePath(path);
    const auto* parent = find(ParentOf(key));
    if (!parent || !parent->isFolder)
        throw FileError("Cannot create file \"" + std::string(path) +
                        "\". The system cannot find the path specified");
    const auto* existing = find(path);
    if (parent->readOnly || (existing && (existing->readOnly || existing->isFolder)))
        throw FileError("Cannot create file \"" + std::string(path) + "\". Access is denied");
    removeLeftoversOf(path);
    if (writesFail(path))
        throw FileError("Cannot write file \"" + std::string(path) +
                        "\". There is not enough space on the disk");
    const auto cannotWrite = "Cannot write file \"" + std::string(path) + "\". ";
    take(Step::Create, cannotWrite + "Access is denied");
    take(Step::Write, cannotWrite + "There is not enough space on the disk");
    take(Step::Rename, cannotWrite + "Access is denied");
    add(path, false).content = std::string(content);
}

void FakeFileSystem::copyFile(std::string_view source, std::string_view destination,
                              const CopyProgress& progress) {
    const auto cannotOpen = "Cannot open file " + std::string(source);
    const auto cannotCreate = "Cannot create file " + std::string(destination);
    if (planned("copy", destination))
        throw FileError(cannotCreate);
    take(Step::Open, cannotOpen);
    const auto* from = find(source);
    if (!from || from->isFolder)
        throw FileError(cannotOpen);
    const auto* parent = find(ParentOf(NormalizePath(destination)));
    const auto* existing = find(destination);
    if (!parent || !parent->isFolder || parent->readOnly ||
        (existing && (existing->readOnly || existing->isFolder)))
        throw FileError(cannotCreate);
    removeLeftoversOf(destination);
    if (from->unreadable)
        throw FileError(cannotOpen);
    // Taken now: the progress callback runs the player's events, which may change the files.
    const std::string bytes = from->content;

    if (writesFail(destination))
        throw FileError(cannotCreate);
    take(Step::Create, cannotCreate);
    std::string temporary;
    do
        temporary = TemporaryFileName(destination, kProcessId, temporaries_++);
    while (find(temporary));
    add(temporary, false);
    bool moved = false;
    base::ScopeExit removeTemporary([&] {
        if (!moved)
            entries_.erase(NormalizePath(temporary));
    });
    const std::uint64_t total = bytes.size();
    if (progress)
        progress(0, total);
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBlock) {
        const auto block = std::min(kBlock, bytes.size() - offset);
        auto* written = find(temporary);
        if (!written)
            throw FileError(cannotCreate);
        // A full disk takes part of the block before the write fails.
        if (steps_[static_cast<std::size_t>(Step::Write)] + 1 ==
            failingStep_[static_cast<std::size_t>(Step::Write)])
            written->content.append(bytes, offset, block / 2);
        take(Step::Write, cannotCreate);
        written->content.append(bytes, offset, block);
        if (progress)
            progress(offset + block, total);
    }
    take(Step::Rename, cannotCreate);
    const auto* filled = find(temporary);
    if (!filled || filled->content.size() != bytes.size())
        throw FileError(cannotOpen);
    auto content = filled->content;
    entries_.erase(NormalizePath(temporary));
    moved = true;
    add(destination, false).content = std::move(content);
}

std::string FakeFileSystem::addTemporary(std::string_view target, std::string content) {
    if (planned("temporary", target))
        throw FileError("Cannot write file \"" + std::string(target) +
                        "\". There is not enough space on the disk");
    const auto* parent = find(ParentOf(NormalizePath(target)));
    if (!parent || !parent->isFolder || parent->readOnly)
        throw FileError("Cannot create file \"" + std::string(target) + "\". Access is denied");
    removeLeftoversOf(target);
    if (writesFail(target))
        throw FileError("Cannot write file \"" + std::string(target) +
                        "\". There is not enough space on the disk");
    std::string path;
    do
        path = TemporaryFileName(target, kProcessId, temporaries_++);
    while (find(path));
    add(path, false).content = std::move(content);
    return path;
}

std::string FakeFileSystem::writeTemporaryFile(std::string_view target, std::string_view content) {
    return addTemporary(target, std::string(content));
}

std::string FakeFileSystem::copyToTemporaryFile(std::string_view source) {
    const auto* from = find(source);
    if (!from || from->isFolder || from->unreadable)
        throw FileError("Cannot open file " + std::string(source));
    return addTemporary(source, from->content);
}

bool FakeFileSystem::moveFile(std::string_view source, std::string_view destination) {
    if (planned("move", destination))
        return false;
    const auto from = NormalizePath(source);
    const auto to = NormalizePath(destination);
    const auto moving = entries_.find(from);
    if (moving == entries_.end() || moving->second.isFolder)
        return false;
    if (from == to)
        return true;
    const auto* parent = find(ParentOf(to));
    const auto* existing = find(destination);
    if (!parent || !parent->isFolder || parent->readOnly ||
        (existing && (existing->readOnly || existing->isFolder)))
        return false;
    auto entry = std::move(moving->second);
    entries_.erase(moving);
    entry.name = std::string(LastComponent(destination));
    if (existing)
        entry.order = existing->order;
    entries_[to] = std::move(entry);
    return true;
}

bool FakeFileSystem::sameContent(std::string_view first, std::string_view second) const {
    if (planned("compare", first))
        throw FileError("Cannot open file " + std::string(first));
    const auto* one = find(first);
    const auto* other = find(second);
    if (!one || one->isFolder || !other || other->isFolder)
        return false;
    for (const auto* path : {&first, &second}) {
        const auto cannotOpen = "Cannot open file " + std::string(*path);
        take(Step::Open, cannotOpen);
        if (find(*path)->unreadable)
            throw FileError(cannotOpen);
    }
    return one->content == other->content;
}

bool FakeFileSystem::setArchiveOnly(std::string_view path) {
    if (planned("attributes", path))
        return false;
    auto* entry = find(path);
    if (!entry || entry->isFolder)
        return false;
    entry->readOnly = false;
    return true;
}

std::string FakeFileSystem::readProfileString(std::string_view path, std::string_view section,
                                              std::string_view key,
                                              std::string_view defaultValue) const {
    const auto* entry = find(path);
    if (planned("profile", path) || !entry || entry->isFolder || entry->unreadable)
        return std::string(Trim(defaultValue));
    return ProfileLookup(entry->content, section, key, defaultValue);
}

void FakeFileSystem::addFolder(std::string_view path) {
    add(path, true);
}

void FakeFileSystem::addFile(std::string_view path, std::string content) {
    add(path, false).content = std::move(content);
}

void FakeFileSystem::setReadOnly(std::string_view path, bool readOnly) {
    if (auto* entry = find(path))
        entry->readOnly = readOnly;
}

bool FakeFileSystem::readOnly(std::string_view path) const {
    const auto* entry = find(path);
    return entry && entry->readOnly;
}

void FakeFileSystem::denyListing(std::string_view path) {
    if (auto* entry = find(path))
        entry->unlistable = true;
}

void FakeFileSystem::failReads(std::string_view path, bool fail) {
    if (auto* entry = find(path))
        entry->unreadable = fail;
}

void FakeFileSystem::failWrites(std::string_view folder) {
    failingWrites_.insert(NormalizePath(folder));
}

bool FakeFileSystem::writesFail(std::string_view path) const {
    return failingWrites_.count(ParentOf(NormalizePath(path))) > 0;
}

void FakeFileSystem::failStep(Step step, int n) {
    const auto kind = static_cast<std::size_t>(step);
    failingStep_[kind] = steps_[kind] + n;
}

void FakeFileSystem::take(Step step, const std::string& error) const {
    const auto kind = static_cast<std::size_t>(step);
    if (++steps_[kind] == failingStep_[kind])
        throw FileError(error);
}

void FakeFileSystem::setProcessRunning(std::uint32_t process, bool running) {
    if (running)
        running_.insert(process);
    else
        running_.erase(process);
}

void FakeFileSystem::removeLeftoversOf(std::string_view target) {
    const auto folder = ParentOf(NormalizePath(target));
    const auto name = Lower(LastComponent(target));
    std::erase_if(entries_, [&](const auto& item) {
        const auto& [path, entry] = item;
        if (entry.isFolder || entry.readOnly || ParentOf(path) != folder)
            return false;
        const auto owner = TemporaryFileOwnerOf(entry.name);
        return owner && Lower(owner->target) == name && owner->process != kProcessId &&
               !running_.count(owner->process);
    });
}

std::map<std::string, std::string> FakeFileSystem::files() const {
    std::map<std::string, std::string> result;
    for (const auto& [path, entry] : entries_)
        if (!entry.isFolder)
            result.emplace(path, entry.content);
    return result;
}

const std::string* FakeFileSystem::content(std::string_view path) const {
    const auto* entry = find(path);
    return entry && !entry->isFolder ? &entry->content : nullptr;
}

std::string ProfileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    const auto wantedSection = Lower(Trim(section));
    const auto wantedKey = Lower(Trim(key));
    bool inSection = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos &&
                        Lower(Trim(line.substr(1, close - 1))) == wantedSection;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos ||
            Lower(Trim(line.substr(0, equals))) != wantedKey)
            continue;
        auto value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                                  (value.front() == '\'' && value.back() == '\'')))
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::string(Trim(defaultValue));
}

} // namespace quarl::platform::fake
