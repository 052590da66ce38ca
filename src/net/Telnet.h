#pragma once

#include "config/Session.h"
#include "platform/Shell.h"

#include <string>

namespace quarl::net {

// Telnet to the server in the address and port fields: through the system's handler for
// telnet: links ("Telnet" missing, empty or "DEFAULT"), or the program the player chose, which
// gets " address port" as its parameters. Nothing is checked or reported.
void TelnetToServer(platform::Shell& shell, const config::Session& session,
                    const std::string& address, const std::string& port);

} // namespace quarl::net
