#pragma once

#include "config/ConfigStore.h"
#include "platform/Platform.h"

#include <array>

namespace quarl::launch {

// Five button assignments in the order left, right, middle, fourth, fifth.
using Assignments = std::array<int, 5>;

// The backup of the system's assignments (-1 when missing).
Assignments BackupAssignments(const config::ConfigStore& store);

// Saves the system's assignments as the backup, defaults for missing ones.
void MouseBackup(config::ConfigStore& store);
// Sends the assignments to the mouse software's pointer window; nothing when it is absent.
void MouseApply(platform::WindowMessages& windows, const Assignments& values);
// Before a launch: backup, then the in-game assignments.
void SwapMouseForGame(platform::Platform& platform, config::ConfigStore& store);
// At the first paint: offers to restore the system's assignments when they no longer match
// the backup.
void StartupMouseCheck(platform::Platform& platform, config::ConfigStore& store);

} // namespace quarl::launch
