#pragma once

#include "platform/Registry.h"
#include "platform/fake/FaultPlan.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace quarl::platform::fake {

// An in-memory registry with the real one's rules: case-insensitive key and value names, keys
// that exist apart from their values, parents created with a key. Writes under a key can be
// made to fail, for error paths.
class FakeRegistry final : public Registry {
public:
    bool keyExists(RootKey root, std::string_view path) const override;
    std::optional<RegistryValue> readValue(RootKey root, std::string_view path,
                                           std::string_view name) const override;
    bool writeValue(RootKey root, std::string_view path, std::string_view name,
                    const RegistryValue& value, bool createKey) override;

    // Test set-up helpers.
    void createKey(RootKey root, std::string_view path);
    void setString(RootKey root, std::string_view path, std::string_view name, std::string text);
    void setDword(RootKey root, std::string_view path, std::string_view name, std::uint32_t number);
    void setOther(RootKey root, std::string_view path, std::string_view name);
    void deleteValue(RootKey root, std::string_view path, std::string_view name);
    // Writes to this key (exactly) throw RegistryError, as an access-denied key would.
    void denyWrites(RootKey root, std::string_view path);
    // The n-th write from now on (1: the next one) throws RegistryError.
    void failWrite(int n) { failingWrite_ = attempts_ + n; }
    int writeCount() const { return writes_; }
    // Every value of a key, by its name as first written.
    std::map<std::string, RegistryValue> values(RootKey root, std::string_view path) const;
    // Writes tried, failed ones included.
    int writeAttempts() const { return attempts_; }
    // Counts every read and write in the plan, which may fail any of them.
    void setFaults(FaultPlan* plan) { faults_ = plan; }
    // Every value of every key: "root\\key path\\value name" (lower case) to its value.
    std::map<std::string, RegistryValue> snapshot() const;

private:
    struct Key {
        // lower-case name -> (name as written, value)
        std::map<std::string, std::pair<std::string, RegistryValue>> values;
    };
    using KeyId = std::pair<RootKey, std::string>;
    static KeyId Id(RootKey root, std::string_view path);
    Key& ensureKey(RootKey root, std::string_view path);

    std::map<KeyId, Key> keys_;
    std::set<KeyId> denied_;
    int writes_ = 0;
    int attempts_ = 0;
    int failingWrite_ = 0;
    FaultPlan* faults_ = nullptr;
};

} // namespace quarl::platform::fake
