// An address box text: whatever converts prints as four numbers that convert to the same
// address, and blanks after it change nothing.
#include "FuzzTarget.h"

#include "net/DottedAddress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarl;
    const auto text = fuzz::AsText(data, size);
    const auto address = net::ParseDottedAddress(text);
    if (!address)
        return 0;
    FUZZ_CHECK(!text.empty() && text.front() >= '0' && text.front() <= '9');
    std::string printed;
    for (std::size_t i = 0; i < 4; ++i)
        printed += (i ? "." : "") + std::to_string(address->octets[i]);
    const auto again = net::ParseDottedAddress(printed);
    FUZZ_CHECK(again && again->octets == address->octets);
    const auto padded = net::ParseDottedAddress(std::string(text) + " \t");
    FUZZ_CHECK(padded && padded->octets == address->octets);
    return 0;
}
