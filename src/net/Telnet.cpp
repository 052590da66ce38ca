#include "net/Telnet.h"

#include "config/LauncherKey.h"

namespace quarl::net {

void TelnetToServer(platform::Shell& shell, const config::Session& session,
                    const std::string& address, const std::string& port) {
    auto program = session.launcherString(config::launcher::Telnet);
    if (program.empty())
        program = "DEFAULT";
    if (program == "DEFAULT")
        shell.open(
            {"OPEN", "telnet://" + address + " " + port, "", "", platform::ShowCommand::Normal});
    else
        shell.open(
            {"OPEN", program, " " + address + " " + port, "", platform::ShowCommand::Normal});
}

} // namespace quarl::net
