#pragma once

#include <set>

namespace quarl::app {

// Every help topic number the launcher can ask for: the Help menu's, the address book's, and the
// settings window's own, its F1 topics and its "What's This?" numbers. Each has its help page.
std::set<int> HelpTopics();

} // namespace quarl::app
