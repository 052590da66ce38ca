#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarl::config {

using platform::RootKey;

// The launcher's stateless registry operations. Each call opens the key, does one thing and
// closes it; a missing key or value yields the "missing" result and callers choose defaults.
// A value of another type than the operation expects throws platform::RegistryError.
class ConfigStore {
public:
    explicit ConfigStore(platform::Registry& registry) : registry_(registry) {}

    std::string ReadRegString(RootKey root, std::string_view key, std::string_view value) const;
    void WriteRegString(RootKey root, std::string_view key, std::string_view value,
                        std::string_view text);
    bool RegValueExists(RootKey root, std::string_view key, std::string_view value) const;
    // -1 when the key or the value is missing (a stored -1 reads the same).
    std::int32_t ReadRegInteger(RootKey root, std::string_view key, std::string_view value) const;
    void WriteRegInteger(RootKey root, std::string_view key, std::string_view value,
                         std::int32_t number);
    bool ReadRegFlag(RootKey root, std::string_view key, std::string_view value) const;
    // Does not create the key: a missing key leaves the registry unchanged.
    void WriteRegFlag(RootKey root, std::string_view key, std::string_view value, bool flag);
    std::string ReadRegIntegerAsText(RootKey root, std::string_view key,
                                     std::string_view value) const;
    // Writes only when the whole text is a decimal integer; otherwise leaves the value alone.
    void WriteRegIntegerFromText(RootKey root, std::string_view key, std::string_view value,
                                 std::string_view text);

    // The same writes for callers that must know whether the value was written: false when the
    // registry refused it (or, for the flag, its key is missing). A text that is no integer has
    // nothing to write, which is no failure.
    [[nodiscard]] bool TryWriteRegString(RootKey root, std::string_view key, std::string_view value,
                                         std::string_view text);
    [[nodiscard]] bool TryWriteRegInteger(RootKey root, std::string_view key,
                                          std::string_view value, std::int32_t number);
    [[nodiscard]] bool TryWriteRegFlag(RootKey root, std::string_view key, std::string_view value,
                                       bool flag);
    [[nodiscard]] bool TryWriteRegIntegerFromText(RootKey root, std::string_view key,
                                                  std::string_view value, std::string_view text);

private:
    bool tryWrite(RootKey root, std::string_view key, std::string_view value,
                  const platform::RegistryValue& stored, bool createKey);

    std::optional<std::uint32_t> readDword(RootKey root, std::string_view key,
                                           std::string_view value) const;

    platform::Registry& registry_;
};

// Text booleans: each test compares exactly, case-sensitively, with one word.
inline constexpr std::string_view kTrue = "TRUE";
inline constexpr std::string_view kFalse = "FALSE";
inline std::string_view TextBoolean(bool value) {
    return value ? kTrue : kFalse;
}

// Parses a whole decimal integer text ("-12", "+7"); nullopt for anything else ("12a", "").
std::optional<std::int32_t> ParseInteger(std::string_view text);

} // namespace quarl::config
