#include "net/PingMonitor.h"

#include "app/Launcher.h"

namespace quarl::net {

void StartPingMonitor(app::Launcher&) {}

void StopPingMonitor(app::Launcher&) {}

} // namespace quarl::net
