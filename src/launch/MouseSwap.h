#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::launch {

// At the first paint: offers to restore the system's mouse button assignments when they no
// longer match the backup.
void StartupMouseCheck(app::Launcher& launcher);

} // namespace quarl::launch
