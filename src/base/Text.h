#pragma once

#include <string>
#include <string_view>

namespace quarl::base {

// Upper-cases the letters a to z only, as switches and folder names are compared.
inline std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

} // namespace quarl::base
