#include "net/ServerHistory.h"

#include "app/Launcher.h"

namespace quarl::net {

void LoadServerHistory(app::Launcher&) {}

void RecordServerAddress(app::Launcher&) {}

} // namespace quarl::net
