#include "app/HandOverArea.h"

#include <algorithm>
#include <cstring>

namespace quarl::app {

namespace {

constexpr std::size_t kWindowOffset = 0;
constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kSlotsOffset = 8;

std::uint32_t ReadNumber(std::span<const std::byte> area, std::size_t offset) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= std::to_integer<std::uint32_t>(area[offset + i]) << (8 * i);
    return number;
}

void WriteNumber(std::span<std::byte> area, std::size_t offset, std::uint32_t number) {
    for (std::size_t i = 0; i < 4; ++i)
        area[offset + i] = static_cast<std::byte>((number >> (8 * i)) & 0xFF);
}

// The argument's length once cut to a slot: at most 300 bytes, and never ending inside a UTF-8
// character. A character is at most four bytes long, so the cut moves back three bytes at most:
// a longer run of continuation bytes is no text, and is cut at the slot's end.
std::size_t SlotLength(const std::string& argument) {
    if (argument.size() <= kHandOverArgumentLength)
        return argument.size();
    const auto isContinuation = [&argument](std::size_t at) {
        return (static_cast<unsigned char>(argument[at]) & 0xC0) == 0x80;
    };
    for (std::size_t length = kHandOverArgumentLength; length + 3 >= kHandOverArgumentLength;
         --length)
        if (!isContinuation(length))
            return length;
    return kHandOverArgumentLength;
}

} // namespace

std::uintptr_t ReadHandOverWindow(std::span<const std::byte> area) {
    if (area.size() < kHandOverAreaSize)
        return 0;
    // Window handles have 32 significant bits on every Windows, and a 64-bit program widens a
    // 32-bit one with its sign: a 32-bit and a 64-bit launcher read the same handle.
    const auto stored = static_cast<std::int32_t>(ReadNumber(area, kWindowOffset));
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(stored));
}

void WriteHandOverWindow(std::span<std::byte> area, std::uintptr_t window) {
    if (area.size() < kHandOverAreaSize)
        return;
    WriteNumber(area, kWindowOffset, static_cast<std::uint32_t>(window));
}

void WriteHandOverArguments(std::span<std::byte> area, const std::vector<std::string>& arguments) {
    if (area.size() < kHandOverAreaSize)
        return;
    const auto count = std::min(arguments.size(), kHandOverSlots);
    WriteNumber(area, kCountOffset, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < kHandOverSlots; ++i) {
        auto slot = area.subspan(kSlotsOffset + i * kHandOverSlotSize, kHandOverSlotSize);
        std::fill(slot.begin(), slot.end(), std::byte{0});
        if (i < count)
            std::memcpy(slot.data(), arguments[i].data(), SlotLength(arguments[i]));
    }
}

std::vector<std::string> ReadHandOverArguments(std::span<const std::byte> area) {
    std::vector<std::string> arguments;
    if (area.size() < kHandOverAreaSize)
        return arguments;
    const auto stored = static_cast<std::int32_t>(ReadNumber(area, kCountOffset));
    const auto count = static_cast<std::size_t>(
        std::clamp<std::int32_t>(stored, 0, static_cast<std::int32_t>(kHandOverSlots)));
    for (std::size_t i = 0; i < count; ++i) {
        const auto slot =
            area.subspan(kSlotsOffset + i * kHandOverSlotSize, kHandOverArgumentLength);
        const auto end = std::find(slot.begin(), slot.end(), std::byte{0});
        std::string argument(static_cast<std::size_t>(end - slot.begin()), '\0');
        std::memcpy(argument.data(), slot.data(), argument.size());
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

} // namespace quarl::app
