#include "net/ServerHistory.h"

#include "config/LauncherKey.h"

#include <algorithm>
#include <string>

namespace quarl::net {

namespace {

// Slot letters in the order they are handed out while the history grows.
constexpr std::string_view kSlots = "abcdef";

std::string SlotName(char letter) {
    return std::string("server-") + letter;
}

// The order string as stored, with what the launcher never writes left out: characters other
// than a to f and repeated letters.
std::string ReadOrder(const config::Session& session) {
    std::string order;
    for (const char letter : session.launcherString(config::launcher::ServerMru))
        if (kSlots.find(letter) != std::string_view::npos &&
            order.find(letter) == std::string::npos)
            order += letter;
    return order;
}

} // namespace

void LoadServerHistory(const config::Session& session, ui::ComboBox& box) {
    box.items.clear();
    box.text.clear();
    for (const char letter : ReadOrder(session))
        box.items.push_back(session.launcherString(SlotName(letter)));
    if (!box.items.empty())
        box.text = box.items.front();
}

void RecordServerAddress(config::Session& session, const std::string& address) {
    std::string order = ReadOrder(session);

    // The last slot in the order string that holds the text decides.
    std::string::size_type match = std::string::npos;
    for (std::string::size_type i = 0; i < order.size(); ++i)
        if (session.launcherString(SlotName(order[i])) == address)
            match = i;

    // Otherwise a full history reuses the least recently used slot, and a growing one takes
    // the first letter not yet in use: the next one in alphabetical order.
    char letter = 0;
    if (match != std::string::npos)
        letter = order[match];
    else if (order.size() == kSlots.size())
        letter = order.back();
    else
        letter = *std::find_if(kSlots.begin(), kSlots.end(),
                               [&](char c) { return order.find(c) == std::string::npos; });
    if (const auto at = order.find(letter); at != std::string::npos)
        order.erase(at, 1);
    order.insert(order.begin(), letter);
    if (match == std::string::npos)
        session.writeLauncherString(SlotName(letter), address);
    session.writeLauncherString(config::launcher::ServerMru, order);
}

} // namespace quarl::net
