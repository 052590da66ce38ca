#include "config/ConfigStore.h"

#include <charconv>

namespace quarl::config {

using platform::RegistryError;
using platform::RegistryValue;

namespace {

[[noreturn]] void ThrowWrongType(std::string_view value) {
    throw RegistryError("Invalid data type for '" + std::string(value) + "'");
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    // One sign at most, before the digits: from_chars reads a minus but no plus, so a plus is
    // taken off here, unless another sign follows it.
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return result;
}

std::string ConfigStore::ReadRegString(RootKey root, std::string_view key,
                                       std::string_view value) const {
    const auto stored = registry_.readValue(root, key, value);
    if (!stored)
        return {};
    if (stored->kind != RegistryValue::Kind::String)
        ThrowWrongType(value);
    return stored->text;
}

void ConfigStore::WriteRegString(RootKey root, std::string_view key, std::string_view value,
                                 std::string_view text) {
    registry_.writeValue(root, key, value, RegistryValue::String(std::string(text)), true);
}

bool ConfigStore::RegValueExists(RootKey root, std::string_view key, std::string_view value) const {
    return registry_.readValue(root, key, value).has_value();
}

std::optional<std::uint32_t> ConfigStore::readDword(RootKey root, std::string_view key,
                                                    std::string_view value) const {
    const auto stored = registry_.readValue(root, key, value);
    if (!stored)
        return std::nullopt;
    if (stored->kind != RegistryValue::Kind::Dword)
        ThrowWrongType(value);
    return stored->number;
}

std::int32_t ConfigStore::ReadRegInteger(RootKey root, std::string_view key,
                                         std::string_view value) const {
    const auto stored = readDword(root, key, value);
    return stored ? static_cast<std::int32_t>(*stored) : -1;
}

void ConfigStore::WriteRegInteger(RootKey root, std::string_view key, std::string_view value,
                                  std::int32_t number) {
    registry_.writeValue(root, key, value, RegistryValue::Dword(static_cast<std::uint32_t>(number)),
                         true);
}

bool ConfigStore::ReadRegFlag(RootKey root, std::string_view key, std::string_view value) const {
    const auto stored = readDword(root, key, value);
    return stored && *stored != 0;
}

void ConfigStore::WriteRegFlag(RootKey root, std::string_view key, std::string_view value,
                               bool flag) {
    registry_.writeValue(root, key, value, RegistryValue::Dword(flag ? 1 : 0), false);
}

std::string ConfigStore::ReadRegIntegerAsText(RootKey root, std::string_view key,
                                              std::string_view value) const {
    const auto stored = readDword(root, key, value);
    return stored ? std::to_string(static_cast<std::int32_t>(*stored)) : std::string();
}

void ConfigStore::WriteRegIntegerFromText(RootKey root, std::string_view key,
                                          std::string_view value, std::string_view text) {
    if (const auto number = ParseInteger(text))
        WriteRegInteger(root, key, value, *number);
}

bool ConfigStore::tryWrite(RootKey root, std::string_view key, std::string_view value,
                           const RegistryValue& stored, bool createKey) {
    try {
        return registry_.writeValue(root, key, value, stored, createKey);
    } catch (const RegistryError&) {
        return false;
    }
}

bool ConfigStore::TryWriteRegString(RootKey root, std::string_view key, std::string_view value,
                                    std::string_view text) {
    return tryWrite(root, key, value, RegistryValue::String(std::string(text)), true);
}

bool ConfigStore::TryWriteRegInteger(RootKey root, std::string_view key, std::string_view value,
                                     std::int32_t number) {
    return tryWrite(root, key, value, RegistryValue::Dword(static_cast<std::uint32_t>(number)),
                    true);
}

bool ConfigStore::TryWriteRegFlag(RootKey root, std::string_view key, std::string_view value,
                                  bool flag) {
    return tryWrite(root, key, value, RegistryValue::Dword(flag ? 1 : 0), false);
}

bool ConfigStore::TryWriteRegIntegerFromText(RootKey root, std::string_view key,
                                             std::string_view value, std::string_view text) {
    const auto number = ParseInteger(text);
    return !number || TryWriteRegInteger(root, key, value, *number);
}

} // namespace quarl::config
