#pragma once

#include <functional>
#include <string>
#include <string_view>

// redirect.exe: copied over a game executable by the Launch Tool, it is what a game service
// starts in the game's place. It starts the launcher with the game switch its own file name
// stands for, followed by the arguments it received, and ends.
namespace quarl::redirect {

// "-RS", "-UO" or "-CO" for the game executable a file name stands for (any letter case, as
// Windows names files); empty for any other name.
std::string GameSwitchFor(std::string_view fileName);

// What follows the program name on a command line, exactly as written (quotes, backslashes and
// spacing kept), so that every argument reaches the launcher as the service gave it. The program
// name is taken as Windows takes it: up to the closing quote when it starts with one, otherwise
// up to the first space or tab.
std::string_view ArgumentsAfterProgramName(std::string_view commandLine);

// How to start the launcher, or why not.
struct Redirection {
    std::string launcher;    // full path of Launcher.exe
    std::string folder;      // its folder, the launcher's working folder
    std::string commandLine; // "launcher" -XX arguments...
    std::string error;       // non-empty: nothing is started; shown under "Error!"
};

// Plans the start for the program at ownPath given the command line it received and the launcher
// key's "InstallationPath". Never names a game executable: an unknown own name is an error.
Redirection PlanRedirection(std::string_view ownPath, std::string_view commandLine,
                            std::string_view installationPath,
                            const std::function<bool(const std::string&)>& fileExists);

} // namespace quarl::redirect
