#include "platform/fake/FakeRegistry.h"

#include "platform/fake/FakePaths.h"

namespace quarl::platform::fake {

FakeRegistry::KeyId FakeRegistry::Id(RootKey root, std::string_view path) {
    return {root, NormalizePath(path)};
}

bool FakeRegistry::keyExists(RootKey root, std::string_view path) const {
    const auto id = Id(root, path);
    return id.second.empty() || keys_.count(id) != 0;
}

std::optional<RegistryValue> FakeRegistry::readValue(RootKey root, std::string_view path,
                                                     std::string_view name) const {
    if (faults_ && faults_->fails("registry read", std::string(path) + "\\" + std::string(name)))
        throw RegistryError("Failed to read '" + std::string(name) + "'");
    const auto key = keys_.find(Id(root, path));
    if (key == keys_.end())
        return std::nullopt;
    const auto value = key->second.values.find(Lower(name));
    if (value == key->second.values.end())
        return std::nullopt;
    return value->second.second;
}

FakeRegistry::Key& FakeRegistry::ensureKey(RootKey root, std::string_view path) {
    const auto id = Id(root, path);
    // Parents exist with their child, as RegCreateKeyEx makes them.
    for (std::size_t slash = id.second.find('\\'); slash != std::string::npos;
         slash = id.second.find('\\', slash + 1))
        keys_[{root, id.second.substr(0, slash)}];
    return keys_[id];
}

bool FakeRegistry::writeValue(RootKey root, std::string_view path, std::string_view name,
                              const RegistryValue& value, bool createKey) {
    const auto id = Id(root, path);
    const bool planned =
        faults_ && faults_->fails("registry write", std::string(path) + "\\" + std::string(name));
    if (++attempts_ == failingWrite_ || planned || denied_.count(id))
        throw RegistryError("Failed to set data for '" + std::string(name) + "'");
    if (!keyExists(root, path) && !createKey)
        return false;
    auto& entry = ensureKey(root, path).values[Lower(name)];
    if (entry.first.empty())
        entry.first = std::string(name);
    entry.second = value;
    ++writes_;
    return true;
}

void FakeRegistry::createKey(RootKey root, std::string_view path) {
    ensureKey(root, path);
}

void FakeRegistry::setString(RootKey root, std::string_view path, std::string_view name,
                             std::string text) {
    ensureKey(root, path).values[Lower(name)] = {std::string(name),
                                                 RegistryValue::String(std::move(text))};
}

void FakeRegistry::setDword(RootKey root, std::string_view path, std::string_view name,
                            std::uint32_t number) {
    ensureKey(root, path).values[Lower(name)] = {std::string(name), RegistryValue::Dword(number)};
}

void FakeRegistry::setOther(RootKey root, std::string_view path, std::string_view name) {
    ensureKey(root, path).values[Lower(name)] = {std::string(name),
                                                 {RegistryValue::Kind::Other, {}, 0}};
}

void FakeRegistry::deleteValue(RootKey root, std::string_view path, std::string_view name) {
    const auto key = keys_.find(Id(root, path));
    if (key != keys_.end())
        key->second.values.erase(Lower(name));
}

std::map<std::string, RegistryValue> FakeRegistry::values(RootKey root,
                                                          std::string_view path) const {
    std::map<std::string, RegistryValue> result;
    const auto key = keys_.find(Id(root, path));
    if (key != keys_.end())
        for (const auto& [lower, entry] : key->second.values)
            result.emplace(entry.first, entry.second);
    return result;
}

std::map<std::string, RegistryValue> FakeRegistry::snapshot() const {
    std::map<std::string, RegistryValue> result;
    for (const auto& [id, key] : keys_)
        for (const auto& [lower, entry] : key.values)
            result.emplace((id.first == RootKey::CurrentUser ? "HKCU\\" : "HKLM\\") + id.second +
                               "\\" + lower,
                           entry.second);
    return result;
}

void FakeRegistry::denyWrites(RootKey root, std::string_view path) {
    denied_.insert(Id(root, path));
}

} // namespace quarl::platform::fake
