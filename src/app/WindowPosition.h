#pragma once

#include "config/ConfigStore.h"
#include "config/LauncherKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Remembered window positions: the main window's under "MainPos" and the address book's under
// "AddressBookPos", restored when the window is created and saved when it is destroyed. What
// the values mean is worked out here from the stored texts and the monitors; the view reads the
// window placement and the monitors, and applies the result.
namespace quarl::app {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The screens, in screen coordinates. Window placement coordinates count from the primary
// monitor's work area, which is where a taskbar at the top or left moves them.
struct Screens {
    Rect primary;         // the primary monitor: the centred default
    Rect primaryWorkArea; // its work area
    std::vector<Rect> monitors;
};

enum class ShowState { Normal = 1, Minimised = 2, Maximised = 3 };

// The keeper of one window's position.
struct PositionKeeper {
    std::string_view key;
    // Only the main window may bring the program up minimised.
    bool mainWindow = false;
};
inline constexpr PositionKeeper kMainPos{config::kMainPosKey, true};
inline constexpr PositionKeeper kAddressBookPos{config::kAddressBookPosKey, false};

// The values under a keeper's key, every one a string; empty when missing.
struct StoredPosition {
    std::string Left, Top, Width, Height, State, RestoreToMax;
    friend bool operator==(const StoredPosition&, const StoredPosition&) = default;
};

// What a window gets when it is created, to apply through its window placement. A hidden
// window gets its state when it is first shown: applying it never shows the window.
struct RestoredPosition {
    // The normal position's top left, in placement coordinates; the size stays.
    int left = 0;
    int top = 0;
    std::optional<ShowState> state; // none: the state the window has
    // A minimised window comes back maximised when the player restores it.
    bool restoreToMaximised = false;
    friend bool operator==(const RestoredPosition&, const RestoredPosition&) = default;
};

// A stored number: decimal text or hexadecimal text after "0x"; nullopt for anything else.
std::optional<std::int32_t> ParsePositionValue(std::string_view text);

// Where the window goes; nullopt when the stored values leave it where the system puts it (one
// of Left, Top, Width and Height reads as zero). A position that would put the window on no
// monitor centres it instead.
std::optional<RestoredPosition> RestorePosition(const StoredPosition& stored,
                                                const PositionKeeper& keeper, int windowWidth,
                                                int windowHeight, const Screens& screens);
// The values to store for a window's normal (restored) rectangle from its placement, never the
// rectangle of a minimised window; `application` is the show state of the program's main
// window.
StoredPosition SavePosition(const Rect& normal, ShowState application, bool windowMaximised);

StoredPosition ReadStoredPosition(const config::ConfigStore& store, const PositionKeeper& keeper);
void WriteStoredPosition(config::ConfigStore& store, const PositionKeeper& keeper,
                         const StoredPosition& values);

} // namespace quarl::app
