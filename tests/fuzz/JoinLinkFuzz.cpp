// Join links as any web page or chat may hand them over: a link is taken whole or refused with
// a reason; a taken link holds a port from 1 to 65535, the mods its game allows, and its text
// parses back to the same choices (unless spelling it out makes it too long); a refusal shows
// no control character.
#include "FuzzTarget.h"

#include "app/JoinLink.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarl;
    const auto text = fuzz::AsText(data, size);
    const auto parse = app::ParseJoinLink(text);
    if (!parse.valid) {
        FUZZ_CHECK(!parse.problem.empty());
        const auto shown = app::RefusedJoinLinkText(text, parse.problem);
        FUZZ_CHECK(std::none_of(shown.begin(), shown.end(), [](char c) {
            return c != '\r' && c != '\n' && static_cast<unsigned char>(c) < 0x20;
        }));
        return 0;
    }
    const auto& link = parse.link;
    FUZZ_CHECK(text.size() <= app::kMaxJoinLinkLength);
    FUZZ_CHECK(!link.port.empty() && link.port.size() <= 5 &&
               std::all_of(link.port.begin(), link.port.end(),
                           [](char c) { return c >= '0' && c <= '9'; }));
    const long port = std::stol(link.port);
    FUZZ_CHECK(port >= 1 && port <= 65535);
    FUZZ_CHECK(link.host == link.address.empty());
    FUZZ_CHECK(!link.host || link.mods.empty());
    if (link.game == launch::Game::RogueSpear)
        FUZZ_CHECK(link.mods.size() <= 1);
    if (link.game == launch::Game::CovertOps)
        FUZZ_CHECK(link.mods.empty());

    // The text handed out spells the port and encodes the mods: it may grow past the limit,
    // and is then refused for its length alone.
    const auto linkText = app::JoinLinkText(link);
    const auto again = app::ParseJoinLink(linkText);
    if (linkText.size() > app::kMaxJoinLinkLength) {
        FUZZ_CHECK(!again.valid);
        return 0;
    }
    FUZZ_CHECK(again.valid);
    FUZZ_CHECK(again.link.host == link.host && again.link.game == link.game &&
               again.link.address == link.address && again.link.port == link.port &&
               again.link.mods == link.mods);
    FUZZ_CHECK(!app::JoinLinkSwitches(link).empty());
    return 0;
}
