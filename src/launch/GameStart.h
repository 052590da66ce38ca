#pragma once

#include "config/Session.h"
#include "platform/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace quarl::launch {

enum class Game { None, RogueSpear, UrbanOps, CovertOps };

// The main window's choices a launch uses, taken when Launch is pressed.
struct LaunchChoices {
    Game game = Game::None;
    bool useMod = false;
    std::vector<std::string> mods; // the selected mod list entries, in list order
    bool network = false;
    bool join = false;
    bool host = false;
    std::string address;
    std::string port;
    bool deleteKit = false;
};

// What the game-side launch changed of the choices.
struct StartResult {
    bool kitFileKept = false; // "kitrestrictions.txt" was to be deleted and could not be
};

// Why the address or port cannot go on the game's command line, or nothing when they can (or
// the command line does not use them). Both are put there as typed, so text that another
// program handed over, or that the history kept, could otherwise add arguments of its own: an
// address holds letters, digits, ".", ":", "_" and "-" only and does not start with "-"; a port
// holds digits only. Empty texts go on as they are.
std::optional<std::string> CommandLineProblem(const LaunchChoices& choices);

// The game's side of a launch: the player name tag, the mods settings file, the kit restriction
// values, the network values, the kit file deletion, and the start of the selected game's
// executable through the shell (or the "EXE File not found" message).
StartResult StartGame(platform::Platform& platform, config::Session& session,
                      const LaunchChoices& choices);

} // namespace quarl::launch
