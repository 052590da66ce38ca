#pragma once

#include <algorithm>
#include <string_view>

namespace quarl::base {

// A server address or port that may go on another program's command line: an address holds only
// letters, digits and ". : _ -" and does not start with "-", a port only digits; both may be
// empty. Such text can never add an argument or a command to the line it is put in.
inline bool ServerAddressAllowed(std::string_view address) {
    const auto allowed = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == ':' || c == '_' || c == '-';
    };
    return !address.starts_with('-') && std::all_of(address.begin(), address.end(), allowed);
}

inline bool PortAllowed(std::string_view port) {
    return std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace quarl::base
