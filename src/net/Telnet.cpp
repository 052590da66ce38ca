#include "net/Telnet.h"

#include "base/ServerAddress.h"
#include "config/LauncherKey.h"

namespace quarl::net {

std::optional<std::string> TelnetProblem(const std::string& address, const std::string& port) {
    if (!base::ServerAddressAllowed(address))
        return "Cannot telnet to the server address \"" + address +
               "\".\n\nAn address holds only letters, digits and the characters . : _ - and "
               "does not start with -.";
    if (!base::PortAllowed(port))
        return "Cannot telnet to the port \"" + port + "\".\n\nA port holds only digits.";
    return std::nullopt;
}

void TelnetToServer(platform::Platform& platform, const config::Session& session,
                    const std::string& address, const std::string& port) {
    if (const auto problem = TelnetProblem(address, port)) {
        platform::ShowError(platform.dialogs, *problem);
        return;
    }
    auto program = session.launcherString(config::launcher::Telnet);
    if (program.empty())
        program = "DEFAULT";
    if (program == "DEFAULT")
        platform.shell.open(
            {"OPEN", "telnet://" + address + " " + port, "", "", platform::ShowCommand::Normal});
    else
        platform.shell.open(
            {"OPEN", program, " " + address + " " + port, "", platform::ShowCommand::Normal});
}

} // namespace quarl::net
