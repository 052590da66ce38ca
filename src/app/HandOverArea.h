#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The instance hand-over area: the block of shared memory through which a second start of the
// launcher passes its arguments to the running one. Its layout is shared by every copy of the
// launcher:
//
//   offset 0   4 bytes        handle of the running launcher's hidden message window
//   offset 4   4 bytes        number of arguments handed over, at most 10
//   offset 8   10 x 301 bytes one slot per argument, a zero-terminated string of at most 300
//
// Numbers are little-endian. Readers trust nothing in it: any process may have written it.
namespace quarl::app {

inline constexpr std::size_t kHandOverAreaSize = 3018;
inline constexpr std::size_t kHandOverSlots = 10;
inline constexpr std::size_t kHandOverSlotSize = 301;
inline constexpr std::size_t kHandOverArgumentLength = kHandOverSlotSize - 1;
// The window message a second start posts to the running launcher's message window.
inline constexpr unsigned kHandOverMessage = 1324;

// The window handle field: 32 bits, written truncated and read sign-extended, as Windows
// passes window handles between 32-bit and 64-bit programs.
std::uintptr_t ReadHandOverWindow(std::span<const std::byte> area);
void WriteHandOverWindow(std::span<std::byte> area, std::uintptr_t window);

// Writes the first ten arguments, each cut to 300 bytes (never inside a UTF-8 character), and
// their count. The window handle field is left alone.
void WriteHandOverArguments(std::span<std::byte> area, const std::vector<std::string>& arguments);
// The arguments in the area. A count below 0 reads as 0 and one above 10 as 10; a slot without
// its terminating zero ends after 300 bytes. An area shorter than the layout yields nothing.
std::vector<std::string> ReadHandOverArguments(std::span<const std::byte> area);

} // namespace quarl::app
