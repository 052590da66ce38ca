#include "app/Switches.h"

#include "app/Launcher.h"

namespace quarl::app {

bool SingleInstanceCheck(Launcher&) {
    return true;
}

bool ApplyStartupSwitches(Launcher&) {
    return true;
}

} // namespace quarl::app
