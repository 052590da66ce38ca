#pragma once

#include "launch/GameStart.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Join links: a web page or a chat hands the launcher a server to join, or a port to host on,
// as one link that the shell passes on with "-LINK":
//
//   quarl://join/<game>/<address>[:<port>][?mod=<name>[&mod=<name>...]]
//   quarl://host/<game>/<port>
//
// <game> is rs, uo or co; the port is 1 to 65535 and 2346 when left out; a mod name is
// percent-encoded, one for Rogue Spear, any number for Urban Ops, none for Covert Ops. The
// words of the format may come in any letter case. Anything else is refused whole.
namespace quarl::app {

// The longest link taken. One that fills a hand-over slot may have been cut on its way from a
// second start, so it is refused rather than taken for a shorter link.
inline constexpr std::size_t kMaxJoinLinkLength = 299;
inline constexpr std::string_view kDefaultJoinPort = "2346";

struct JoinLink {
    bool host = false;
    launch::Game game = launch::Game::RogueSpear;
    std::string address;           // a join link's server; empty in a host link
    std::string port;              // digits, as a number from 1 to 65535
    std::vector<std::string> mods; // decoded, in link order; a join link's only
};

// A parsed link, or why it is refused (a sentence for the player).
struct JoinLinkParse {
    bool valid = false;
    JoinLink link;
    std::string problem;
};

JoinLinkParse ParseJoinLink(std::string_view text);

// The link's text: the port left out when empty, each mod percent-encoded. Choices that make
// no valid link (a wrong address, a port out of range) give a text that ParseJoinLink refuses,
// with its reason: a link handed out is checked by parsing it back.
std::string JoinLinkText(const JoinLink& link);

// The start-up switches a link stands for: the game, then "-CLIENT address port" or
// "-HOST port", then "-MODS" with each mod name or, for a join link without one, "-NOMODS".
std::vector<std::string> JoinLinkSwitches(const JoinLink& link);

// The "Error!" box text for a refused link: the link (cut, and its control characters shown
// as "?") and the reason.
std::string RefusedJoinLinkText(std::string_view text, std::string_view problem);

} // namespace quarl::app
