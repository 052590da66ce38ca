#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::launch {

// The launch: saves the window state, prepares the game's registry values and files, starts
// the selected game through the shell and then closes the launcher or shows the resume window.
void LaunchGame(app::Launcher& launcher);

} // namespace quarl::launch
