#pragma once

#include <string>
#include <vector>

namespace quarl::app {

class Launcher;

// The single-instance check at the main window's creation. Returns false when this start has
// handed its arguments to a running launcher and is to end at once.
bool SingleInstanceCheck(Launcher& launcher);

// Applies the process's own switches at the end of start-up. Returns false when the process is
// to end at once ("-UNINSTALL").
bool ApplyStartupSwitches(Launcher& launcher);

// Applies the switches a second start handed over ("-UNINSTALL" is not among them).
void ApplyHandedOverSwitches(Launcher& launcher, const std::vector<std::string>& arguments);

} // namespace quarl::app
