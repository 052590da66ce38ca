#pragma once

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/IcmpEcho.h"
#include "platform/KernelObjects.h"
#include "platform/LocalAddresses.h"
#include "platform/MessagePump.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowMessages.h"

#include <string>
#include <vector>

namespace quarl::platform {

// Every outside service the core uses, passed to the forms. The services are owned elsewhere
// (the Win32 implementations in the program, the fakes in tests).
struct Platform {
    Registry& registry;
    FileSystem& files;
    Dialogs& dialogs;
    KernelObjects& kernel;
    MessagePump& messages;
    Shell& shell;
    WindowMessages& windows;
    IcmpEcho& icmp;
    // The process's own arguments 1 to n.
    std::vector<std::string> arguments;
    // The program's file name without its folder; it names the instance hand-over objects.
    std::string executableName = "Launcher.exe";
    Help& help = NoHelp::instance();
    Clipboard& clipboard = NoClipboard::instance();
    LocalAddresses& localAddresses = NoLocalAddresses::instance();
};

} // namespace quarl::platform
