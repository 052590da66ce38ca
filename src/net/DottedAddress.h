#pragma once

#include "platform/IcmpEcho.h"

#include <optional>
#include <string_view>

namespace quarl::net {

// Reads an address box text as the sockets library's address conversion does: one to four
// numbers separated by dots, each decimal, octal (leading 0) or hexadecimal (leading 0x); the
// last number fills the remaining bytes ("127.1" is 127.0.0.1). Trailing blanks are allowed.
// Host names are not looked up: any other text, an empty one included, gives nothing.
std::optional<platform::Ipv4Address> ParseDottedAddress(std::string_view text);

} // namespace quarl::net
