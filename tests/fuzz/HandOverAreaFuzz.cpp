// The hand-over area as any process may have written it: never more than ten arguments, none
// longer than its slot or holding its terminator, and what is read writes back to the same.
// Arguments a second start writes come back as written, cut to their slot.
#include "FuzzTarget.h"

#include "app/HandOverArea.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using namespace quarl;
using Area = std::array<std::byte, app::kHandOverAreaSize>;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The area as found: the input's bytes, zeros after them. A shorter view yields nothing.
    Area area{};
    std::memcpy(area.data(), data, std::min(size, area.size()));
    if (size < area.size())
        FUZZ_CHECK(app::ReadHandOverArguments(std::span(area).first(size)).empty());

    const auto arguments = app::ReadHandOverArguments(area);
    FUZZ_CHECK(arguments.size() <= app::kHandOverSlots);
    for (const auto& argument : arguments) {
        FUZZ_CHECK(argument.size() <= app::kHandOverArgumentLength);
        FUZZ_CHECK(argument.find('\0') == std::string::npos);
    }
    Area rewritten = area;
    app::WriteHandOverArguments(rewritten, arguments);
    FUZZ_CHECK(app::ReadHandOverArguments(rewritten) == arguments);
    FUZZ_CHECK(app::ReadHandOverWindow(rewritten) == app::ReadHandOverWindow(area));

    // The input as a second start's arguments, split at line ends.
    const auto given = fuzz::Split(fuzz::AsText(data, size), '\n', 16);
    Area written{};
    app::WriteHandOverWindow(written, 0x1234);
    app::WriteHandOverArguments(written, given);
    const auto received = app::ReadHandOverArguments(written);
    FUZZ_CHECK(received.size() == std::min(given.size(), app::kHandOverSlots));
    for (std::size_t i = 0; i < received.size(); ++i) {
        const auto sent = std::string_view(given[i]).substr(0, given[i].find('\0'));
        FUZZ_CHECK(sent.starts_with(received[i]));
        // Cut only where the slot is full, and then never more than a UTF-8 character short.
        if (received[i].size() < sent.size())
            FUZZ_CHECK(received[i].size() + 3 >= app::kHandOverArgumentLength &&
                       sent.size() > app::kHandOverArgumentLength);
    }
    FUZZ_CHECK(app::ReadHandOverWindow(written) == 0x1234);
    return 0;
}
