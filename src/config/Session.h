#pragma once

#include "config/ConfigStore.h"

#include <string>
#include <string_view>

namespace quarl::config {

// One run of the launcher, as every subsystem sees it: the configuration store, the
// installation that start-up found (the game key path it chose, the games present, the mods
// folder) with the launcher key and the game key at those paths, and the process-wide flags.
class Session {
public:
    explicit Session(platform::Registry& registry) : store(registry) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ConfigStore store;

    std::string gameKeyPath; // empty when no installation was found
    bool rogueSpear = false;
    bool urbanOps = false; // only ever true together with rogueSpear
    bool covertOps = false;
    std::string modsFolder; // game folder + ModsPath + "\"
    bool PingDisabled = false;
    // Set while the main window is being created, cleared at its first paint.
    bool StartupInProgress = false;

    // A game the launcher can start was found.
    bool anyGame() const { return rogueSpear || covertOps; }

    std::string launcherString(std::string_view value) const;
    void writeLauncherString(std::string_view value, std::string_view text);
    std::string gameString(std::string_view value) const;
    // Nothing without a game key: the empty path would address the root of the machine's keys.
    void writeGameString(std::string_view value, std::string_view text);
    std::string gameFolder() const;
};

} // namespace quarl::config
