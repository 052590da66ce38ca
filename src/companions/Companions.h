#pragma once

#include "config/ConfigStore.h"
#include "platform/FileSystem.h"

namespace quarl::companions {

// The companion programs found installed.
struct CompanionsFound {
    bool stats = false;      // RS Stats Recorder
    bool kali = false;       // Kali
    bool rogerWilco = false; // Roger Wilco
    bool gameSpy = false;    // GameSpy
};

// At the first paint: which companion programs are installed, each told by a folder in the
// registry holding the program's file.
CompanionsFound DetectCompanions(const config::ConfigStore& store,
                                 const platform::FileSystem& files);

} // namespace quarl::companions
