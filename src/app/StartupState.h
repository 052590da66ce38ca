#pragma once

#include <string>

namespace quarl::app {

// Process-wide state that start-up sets and other subsystems read.
struct StartupState {
    std::string gameKeyPath; // empty when no installation was found
    bool rogueSpear = false;
    bool urbanOps = false; // only ever true together with rogueSpear
    bool covertOps = false;
    std::string modsFolder; // game folder + ModsPath + "\"
    bool PingDisabled = false;
    bool StartupInProgress = false;
};

} // namespace quarl::app
