#include "launch/MouseSwap.h"

#include "app/Launcher.h"

namespace quarl::launch {

void StartupMouseCheck(app::Launcher&) {}

} // namespace quarl::launch
