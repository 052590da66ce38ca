#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quarl::platform {

enum class RootKey { CurrentUser, LocalMachine };

// A typed registry value as the launcher uses them: strings (REG_SZ) and DWORDs. Anything else
// found in the registry is reported as Other, so that a typed read can refuse it.
struct RegistryValue {
    enum class Kind { String, Dword, Other };
    Kind kind = Kind::String;
    std::string text;
    std::uint32_t number = 0;

    static RegistryValue String(std::string s) { return {Kind::String, std::move(s), 0}; }
    static RegistryValue Dword(std::uint32_t n) { return {Kind::Dword, {}, n}; }
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A failure of the registry layer (access denied, a value of the wrong type): it propagates to
// the event that caused the access, where the view shows it.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The registry as the launcher sees it. Key paths are relative to the root and use backslashes;
// an empty path addresses the root itself. Key and value names are matched without regard to
// case. Every call opens the key, does one thing and closes it again.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(RootKey root, std::string_view path) const = 0;
    // nullopt when the key or the value is missing. Never creates a key.
    virtual std::optional<RegistryValue> readValue(RootKey root, std::string_view path,
                                                   std::string_view name) const = 0;
    // Writes the value, creating the key (and its parents) when asked. Returns false without
    // writing when the key is missing and createKey is false. Throws RegistryError on failure.
    virtual bool writeValue(RootKey root, std::string_view path, std::string_view name,
                            const RegistryValue& value, bool createKey) = 0;
};

} // namespace quarl::platform
