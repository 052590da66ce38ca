#include "net/DottedAddress.h"

#include <cstdint>
#include <vector>

namespace quarl::net {

namespace {

bool IsDigit(char c, unsigned base) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0') < base;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

// One number at the start of text; advances past it. Nothing when there is no number or it
// does not fit in 32 bits.
std::optional<std::uint32_t> ReadNumber(std::string_view& text) {
    if (text.empty() || !IsDigit(text.front(), 10))
        return std::nullopt;
    unsigned base = 10;
    if (text.front() == '0') {
        base = 8;
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == 'x' || text.front() == 'X')) {
            base = 16;
            text.remove_prefix(1);
            if (text.empty() || !IsDigit(text.front(), 16))
                return std::nullopt;
        }
    }
    std::uint64_t value = 0;
    while (!text.empty() && IsDigit(text.front(), base)) {
        value = value * base + DigitValue(text.front());
        if (value > UINT32_MAX)
            return std::nullopt;
        text.remove_prefix(1);
    }
    // "08" or "1a": a digit the base does not have ends the number where no end may be.
    if (!text.empty() && IsDigit(text.front(), 16))
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<platform::Ipv4Address> ParseDottedAddress(std::string_view text) {
    std::vector<std::uint32_t> parts;
    for (;;) {
        const auto part = ReadNumber(text);
        if (!part)
            return std::nullopt;
        parts.push_back(*part);
        if (text.empty() || text.front() != '.')
            break;
        if (parts.size() == 4)
            return std::nullopt;
        text.remove_prefix(1);
    }
    for (const char c : text)
        if (c != ' ' && c != '\t')
            return std::nullopt;

    // Every part but the last is one byte; the last fills the bytes that remain.
    const std::size_t leading = parts.size() - 1;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < leading; ++i) {
        if (parts[i] > 0xFF)
            return std::nullopt;
        value |= parts[i] << (24 - 8 * i);
    }
    const unsigned lastBits = static_cast<unsigned>(32 - 8 * leading);
    if (lastBits < 32 && parts.back() >> lastBits != 0)
        return std::nullopt;
    value |= parts.back();

    platform::Ipv4Address address;
    for (std::size_t i = 0; i < 4; ++i)
        address.octets[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    return address;
}

} // namespace quarl::net
