#pragma once

// What every fuzz target shares. A target feeds its input to one reader of outside text and
// checks properties of the result; a property that does not hold aborts, which libFuzzer and
// the corpus replay both report, with the input that broke it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace quarl::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every separator byte into at most maxParts parts (the last takes the rest).
inline std::vector<std::string> Split(std::string_view input, char separator,
                                      std::size_t maxParts) {
    std::vector<std::string> parts;
    while (parts.size() + 1 < maxParts) {
        const auto at = input.find(separator);
        if (at == std::string_view::npos)
            break;
        parts.emplace_back(input.substr(0, at));
        input.remove_prefix(at + 1);
    }
    parts.emplace_back(input);
    return parts;
}

} // namespace quarl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
