#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::net {

// Starts pinging the address field's server when Network Game is checked, Join is selected and
// the ping is not disabled; with Host selected it stops the ping instead.
void StartPingMonitor(app::Launcher& launcher);
void StopPingMonitor(app::Launcher& launcher);

} // namespace quarl::net
