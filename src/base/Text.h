#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarl::base {

// Upper-cases the letters a to z only, as switches and folder names are compared.
inline std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

// The lines of a text, as a file is read line by line: each ends at a line feed, with a carriage
// return before it dropped; a last line without one counts, an empty end after it does not.
inline std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace quarl::base
