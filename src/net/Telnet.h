#pragma once

#include "config/Session.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace quarl::net {

// Why the address and port cannot be handed to a telnet program, if they cannot: only text
// that adds nothing to the program's command line goes (both may be empty).
std::optional<std::string> TelnetProblem(const std::string& address, const std::string& port);

// Telnet to the server in the address and port fields: through the system's handler for
// telnet: links ("Telnet" missing, empty or "DEFAULT"), or the program the player chose, which
// gets " address port" as its parameters. An address or port that could add to the program's
// command line starts nothing and is shown in an "Error!" box.
void TelnetToServer(platform::Platform& platform, const config::Session& session,
                    const std::string& address, const std::string& port);

} // namespace quarl::net
