#pragma once

#include <array>

namespace quarl::app {
class Launcher;
}

namespace quarl::launch {

// Five button assignments in the order left, right, middle, fourth, fifth.
using Assignments = std::array<int, 5>;

// The system's assignments now in force, as the mouse software stores them (-1 when missing).
Assignments SystemAssignments(const app::Launcher& launcher);
// The backup of the system's assignments (-1 when missing).
Assignments BackupAssignments(const app::Launcher& launcher);
// The assignments wanted while the game runs (-1 when missing).
Assignments GameAssignments(const app::Launcher& launcher);
// Missing (negative) values replaced by each button's default index.
Assignments WithDefaults(Assignments values);

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
