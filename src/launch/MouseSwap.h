#pragma once

#include <array>

namespace quarl::app {
class Launcher;
}

namespace quarl::launch {

// Five button assignments in the order left, right, middle, fourth, fifth.
using Assignments = std::array<int, 5>;

// The backup of the system's assignments (-1 when missing).
Assignments BackupAssignments(const app::Launcher& launcher);

// Saves the system's assignments as the backup, defaults for missing ones.
void MouseBackup(app::Launcher& launcher);
// Sends the assignments to the mouse software's pointer window; nothing when it is absent.
void MouseApply(app::Launcher& launcher, const Assignments& values);
// Before a launch: backup, then the in-game assignments.
void SwapMouseForGame(app::Launcher& launcher);
// At the first paint: offers to restore the system's assignments when they no longer match
// the backup.
void StartupMouseCheck(app::Launcher& launcher);

} // namespace quarl::launch
