#pragma once

#include <string>
#include <vector>

namespace quarl::app {

class Launcher;

// Applies the process's own switches at the end of start-up. Returns false when the process is
// to end at once ("-UNINSTALL").
bool ApplyStartupSwitches(Launcher& launcher);

// Applies the switches a second start handed over ("-UNINSTALL" is not among them).
void ApplyHandedOverSwitches(Launcher& launcher, const std::vector<std::string>& arguments);

// A start for a join link: "-LINK" comes first, as the shell starts the launcher for a link.
// Such a start takes the link and nothing else, not even "-UNINSTALL".
bool IsLinkStart(const std::vector<std::string>& arguments);

} // namespace quarl::app
