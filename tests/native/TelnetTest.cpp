#include "LauncherFixture.h"
#include "net/Telnet.h"

namespace quarl::tests {
namespace {

class Telnet : public LauncherFixture {};

TEST_F(Telnet, OnlyAddressesAndPortsThatAddNothingToACommandLineGo) {
    const struct {
        const char* address;
        const char* port;
        bool accepted;
    } rows[] = {
        {"127.0.0.1", "2346", true},
        {"server-1.example_net", "", true},
        {"::1", "23", true},
        {"", "", true},
        {"-e cmd", "23", false},
        {"-host", "23", false},
        {"127.0.0.1 & calc", "23", false},
        {"127.0.0.1\"", "23", false},
        {"127.0.0.1", "23 -x", false},
        {"127.0.0.1", "-1", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.address) + " : " + row.port);
        EXPECT_EQ(!net::TelnetProblem(row.address, row.port).has_value(), row.accepted);
    }

    installGame(true, false, false);
    auto& main = start();
    setLauncher("Telnet", "C:\\Tools\\telnet.exe");
    main.txtIPAddress.text = "127.0.0.1 -c calc";
    main.tbTelnet.click();
    EXPECT_TRUE(fake.shell.opened().empty());
    ASSERT_FALSE(fake.dialogs.shown().empty());
    EXPECT_EQ(fake.dialogs.shown().back().caption, "Error!");
}

} // namespace
} // namespace quarl::tests
