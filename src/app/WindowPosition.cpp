#include "app/WindowPosition.h"

#include "platform/Registry.h"

#include <algorithm>
#include <charconv>

namespace quarl::app {

namespace {

using platform::RootKey;

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::int32_t ValueOr(std::string_view text, std::int32_t fallback) {
    return ParsePositionValue(text).value_or(fallback);
}

} // namespace

std::optional<std::int32_t> ParsePositionValue(std::string_view text) {
    if (!text.starts_with("0x") && !text.starts_with("0X"))
        return config::ParseInteger(text);
    text.remove_prefix(2);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    // Eight digits are a whole 32-bit value, negative ones included.
    return static_cast<std::int32_t>(value);
}

std::optional<RestoredPosition> RestorePosition(const StoredPosition& stored,
                                                const PositionKeeper& keeper, int windowWidth,
                                                int windowHeight, const Screens& screens) {
    // Centred on the primary monitor, in placement coordinates.
    const auto& primary = screens.primary;
    const auto& origin = screens.primaryWorkArea;
    const int centredLeft = primary.left + (primary.width() - windowWidth) / 2 - origin.left;
    const int centredTop = primary.top + (primary.height() - windowHeight) / 2 - origin.top;

    RestoredPosition result;
    result.left = ValueOr(stored.Left, centredLeft);
    result.top = ValueOr(stored.Top, centredTop);
    if (result.left == 0 || result.top == 0 || ValueOr(stored.Width, 1) == 0 ||
        ValueOr(stored.Height, 1) == 0)
        return std::nullopt;

    const Rect onScreen{result.left + origin.left, result.top + origin.top,
                        result.left + origin.left + windowWidth,
                        result.top + origin.top + windowHeight};
    const auto& monitors = screens.monitors.empty() ? std::vector<Rect>{primary} : screens.monitors;
    if (std::none_of(monitors.begin(), monitors.end(),
                     [&](const Rect& monitor) { return Overlap(onScreen, monitor); })) {
        result.left = centredLeft;
        result.top = centredTop;
    }

    const bool restoreToMax = ValueOr(stored.RestoreToMax, 0) != 0;
    switch (ValueOr(stored.State, 0)) {
    case 1: result.state = ShowState::Normal; break;
    case 2:
        // The program came to an end minimised. Only the main window brings it up that way; any
        // other window would show itself, or minimise the program, before the main window.
        if (keeper.mainWindow) {
            result.state = ShowState::Minimised;
            result.restoreToMaximised = restoreToMax;
        } else {
            result.state = restoreToMax ? ShowState::Maximised : ShowState::Normal;
        }
        break;
    case 3: result.state = ShowState::Maximised; break;
    default: break;
    }
    return result;
}

StoredPosition SavePosition(const Rect& normal, ShowState application, bool windowMaximised) {
    auto state = application;
    bool restoreToMax = false;
    if (windowMaximised) {
        if (state == ShowState::Minimised)
            restoreToMax = true;
        else
            state = ShowState::Maximised;
    }
    return {std::to_string(normal.left),
            std::to_string(normal.top),
            std::to_string(normal.width()),
            std::to_string(normal.height()),
            std::to_string(static_cast<int>(state)),
            restoreToMax ? "1" : "0"};
}

StoredPosition ReadStoredPosition(const config::ConfigStore& store, const PositionKeeper& keeper) {
    // A value of another type reads as unreadable text: a position never keeps the launcher
    // from starting.
    const auto read = [&](std::string_view name) {
        try {
            return store.ReadRegString(RootKey::CurrentUser, keeper.key, name);
        } catch (const platform::RegistryError&) {
            return std::string();
        }
    };
    return {read("Left"),   read("Top"),   read("Width"),
            read("Height"), read("State"), read("RestoreToMax")};
}

void WriteStoredPosition(config::ConfigStore& store, const PositionKeeper& keeper,
                         const StoredPosition& values) {
    for (const auto& [name, text] :
         {std::pair{"Top", &values.Top}, std::pair{"Left", &values.Left},
          std::pair{"Width", &values.Width}, std::pair{"Height", &values.Height},
          std::pair{"State", &values.State}, std::pair{"RestoreToMax", &values.RestoreToMax}})
        store.WriteRegString(RootKey::CurrentUser, keeper.key, name, *text);
}

} // namespace quarl::app
