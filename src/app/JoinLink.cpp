#include "app/JoinLink.h"

#include "base/ServerAddress.h"
#include "base/Text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quarl::app {

namespace {

using launch::Game;

constexpr std::string_view kScheme = "QUARL://";

struct GameCode {
    std::string_view code;
    Game game;
};
constexpr std::array<GameCode, 3> kGames = {
    {{"rs", Game::RogueSpear}, {"uo", Game::UrbanOps}, {"co", Game::CovertOps}}};

JoinLinkParse Refused(std::string problem) {
    return {false, {}, std::move(problem)};
}

bool SameWord(std::string_view text, std::string_view word) {
    return base::UpperAscii(text) == base::UpperAscii(word);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// The port as the game gets it: a number from 1 to 65535 without leading zeros.
std::optional<std::string> PortNumber(std::string_view text) {
    if (text.empty() || text.size() > 5 || !base::PortAllowed(text))
        return std::nullopt;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    if (value < 1 || value > 65535)
        return std::nullopt;
    return std::to_string(value);
}

bool Unreserved(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Characters a mod name may hold unencoded. "&", "=", "+", "%" and the rest are encoded: a
// "+" read as a space by one page and as a plus by another makes the link mean two things.
bool RawModCharacter(char c) {
    return Unreserved(c) || std::string_view("!$'()*,;").find(c) != std::string_view::npos;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || i + length > text.size())
            return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// A mod name from its encoded text, or why it is refused. The name selects a mod folder: it
// holds no path separator nor anything else a folder name cannot hold, and it does not start
// with "-", which the switches would take for a switch of their own.
std::optional<std::string> DecodeMod(std::string_view encoded, std::string& problem) {
    std::string name;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            const int high = i + 2 < encoded.size() ? HexValue(encoded[i + 1]) : -1;
            const int low = high >= 0 ? HexValue(encoded[i + 2]) : -1;
            if (low < 0) {
                problem = "A \"%\" in a mod name is not followed by two hexadecimal digits.";
                return std::nullopt;
            }
            name.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else if (RawModCharacter(c)) {
            name.push_back(c);
        } else {
            problem = std::string("A mod name holds \"") + c + "\" without percent-encoding.";
            return std::nullopt;
        }
    }
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (name.empty() || name == "." || name == ".." || name.starts_with('-') ||
        name.ends_with('.') || name.ends_with(' ') || control || !ValidUtf8(name) ||
        name.find_first_of("\\/:*?\"<>|") != std::string::npos) {
        problem = "A mod name is empty, holds a path separator or another character a folder "
                  "name cannot hold, or starts with \"-\".";
        return std::nullopt;
    }
    return name;
}

} // namespace

JoinLinkParse ParseJoinLink(std::string_view text) {
    if (text.size() > kMaxJoinLinkLength)
        return Refused("The link is longer than " + std::to_string(kMaxJoinLinkLength) +
                       " characters.");
    if (!SameWord(text.substr(0, kScheme.size()), kScheme))
        return Refused("The link does not start with quarl://.");
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7F; }))
        return Refused("The link holds a space, a control character or a character outside "
                       "ASCII; these are percent-encoded in a mod name and not allowed elsewhere.");
    text.remove_prefix(kScheme.size());

    const auto question = text.find('?');
    const auto path = Split(text.substr(0, question), '/');
    if (path.size() != 3 || !(SameWord(path[0], "join") || SameWord(path[0], "host")))
        return Refused("The link is neither quarl://join/<game>/<address> nor "
                       "quarl://host/<game>/<port>.");
    JoinLinkParse result;
    auto& link = result.link;
    link.host = SameWord(path[0], "host");
    const auto game = std::find_if(kGames.begin(), kGames.end(), [&](const GameCode& known) {
        return SameWord(path[1], known.code);
    });
    if (game == kGames.end())
        return Refused("The link's game is not one of rs, uo and co.");
    link.game = game->game;

    std::string_view port = path[2];
    if (!link.host) {
        const auto colon = path[2].find(':');
        const auto address = path[2].substr(0, colon);
        if (address.empty() || !base::ServerAddressAllowed(address))
            return Refused("The server address is missing or holds characters other than "
                           "letters, digits, \".\", \"_\" and \"-\", or starts with \"-\".");
        link.address = std::string(address);
        port = colon == std::string_view::npos ? kDefaultJoinPort : path[2].substr(colon + 1);
    }
    const auto number = PortNumber(port);
    if (!number)
        return Refused("The port is not a number from 1 to 65535.");
    link.port = *number;

    if (question != std::string_view::npos) {
        if (link.host)
            return Refused("A host link takes nothing after the port.");
        for (const auto parameter : Split(text.substr(question + 1), '&')) {
            const auto equals = parameter.find('=');
            if (equals == std::string_view::npos || !SameWord(parameter.substr(0, equals), "mod"))
                return Refused("The link takes nothing after \"?\" but mod=<name>.");
            std::string problem;
            auto mod = DecodeMod(parameter.substr(equals + 1), problem);
            if (!mod)
                return Refused(problem);
            link.mods.push_back(std::move(*mod));
        }
    }
    if (link.game == Game::CovertOps && !link.mods.empty())
        return Refused("Covert Ops takes no mod.");
    if (link.game == Game::RogueSpear && link.mods.size() > 1)
        return Refused("Rogue Spear takes one mod only.");
    result.valid = true;
    return result;
}

std::string JoinLinkText(const JoinLink& link) {
    const auto game = std::find_if(kGames.begin(), kGames.end(),
                                   [&](const GameCode& known) { return known.game == link.game; });
    std::string text = "quarl://";
    text += link.host ? "host/" : "join/";
    text += game == kGames.end() ? "" : game->code;
    text += "/";
    if (link.host)
        return text + link.port;
    text += link.address;
    if (!link.port.empty())
        text += ":" + link.port;
    for (std::size_t i = 0; i < link.mods.size(); ++i) {
        text += i == 0 ? "?mod=" : "&mod=";
        for (const char c : link.mods[i]) {
            if (Unreserved(c)) {
                text.push_back(c);
            } else {
                constexpr std::string_view kHex = "0123456789ABCDEF";
                const auto byte = static_cast<unsigned char>(c);
                text += {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
            }
        }
    }
    return text;
}

std::vector<std::string> JoinLinkSwitches(const JoinLink& link) {
    std::vector<std::string> switches;
    switches.push_back(link.game == Game::UrbanOps    ? "-UO"
                       : link.game == Game::CovertOps ? "-CO"
                                                      : "-RS");
    if (link.host) {
        switches.insert(switches.end(), {"-HOST", link.port});
        return switches;
    }
    switches.insert(switches.end(), {"-CLIENT", link.address, link.port});
    if (link.mods.empty())
        switches.push_back("-NOMODS");
    for (const auto& mod : link.mods)
        switches.insert(switches.end(), {"-MODS", mod});
    return switches;
}

std::string RefusedJoinLinkText(std::string_view text, std::string_view problem) {
    constexpr std::size_t kShown = 300;
    std::string shown(text.substr(0, kShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    if (text.size() > kShown)
        shown += "...";
    return "This link cannot be used:\n\n" + shown + "\n\n" + std::string(problem);
}

} // namespace quarl::app
