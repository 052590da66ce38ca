#include "platform/fake/FakePaths.h"

namespace quarl::platform::fake {

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string NormalizePath(std::string_view path) {
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!result.empty() && result.back() != '\\')
                result += '\\';
        } else {
            result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    if (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

std::string ParentOf(std::string_view normalized) {
    const auto slash = normalized.rfind('\\');
    return slash == std::string_view::npos ? std::string()
                                           : std::string(normalized.substr(0, slash));
}

} // namespace quarl::platform::fake
