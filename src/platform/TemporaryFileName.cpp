#include "platform/TemporaryFileName.h"

#include <charconv>

namespace quarl::platform {

namespace {

constexpr std::string_view kMarker = ".quarl-";
constexpr std::string_view kSuffix = ".tmp";

// A decimal number of digits only, as written; nothing else.
std::optional<std::uint32_t> Number(std::string_view text) {
    std::uint32_t value = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string TemporaryFileName(std::string_view target, std::uint32_t process,
                              std::uint32_t counter) {
    return std::string(target) + std::string(kMarker) + std::to_string(process) + "-" +
           std::to_string(counter) + std::string(kSuffix);
}

std::optional<TemporaryFileOwner> TemporaryFileOwnerOf(std::string_view name) {
    if (name.size() <= kSuffix.size() || name.substr(name.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    name.remove_suffix(kSuffix.size());
    const auto marker = name.rfind(kMarker);
    if (marker == std::string_view::npos || marker == 0)
        return std::nullopt;
    const auto numbers = name.substr(marker + kMarker.size());
    const auto dash = numbers.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto process = Number(numbers.substr(0, dash));
    if (!process || !Number(numbers.substr(dash + 1)))
        return std::nullopt;
    return TemporaryFileOwner{name.substr(0, marker), *process};
}

} // namespace quarl::platform
