#pragma once

#include <string>
#include <vector>

namespace quarl::platform {

// The local computer's own IPv4 addresses.
class LocalAddresses {
public:
    virtual ~LocalAddresses() = default;
    // The addresses in dotted-decimal form, in the order the system lists them; empty when the
    // look-up finds nothing. Asks no other computer.
    virtual std::vector<std::string> find() = 0;
};

// For a program without network: no addresses.
class NoLocalAddresses final : public LocalAddresses {
public:
    std::vector<std::string> find() override { return {}; }
    static NoLocalAddresses& instance() {
        static NoLocalAddresses addresses;
        return addresses;
    }
};

} // namespace quarl::platform
