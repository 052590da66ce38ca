#pragma once

#include "platform/Registry.h"

#include <memory>
#include <string>

namespace quarl::tests {

// A registry to run the store contract against, with a private sandbox key under each root
// that the backend removes when it is destroyed.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    virtual platform::Registry& registry() = 0;
    // The sandbox's path under the root ("Software\\QuarlContractTest\\1234").
    virtual std::string sandbox() const = 0;
    virtual void createKey(platform::RootKey root, const std::string& path) = 0;
    // A value of a type the launcher never writes (REG_BINARY).
    virtual void putBinary(platform::RootKey root, const std::string& path,
                           const std::string& name) = 0;
};

// Defined once per build: the fake registry natively, the real one on Windows.
std::unique_ptr<RegistryBackend> MakeRegistryBackend();

} // namespace quarl::tests
