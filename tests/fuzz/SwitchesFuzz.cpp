// Command lines of any shape, at start-up and handed over to a running launcher: the process
// ends at start-up exactly when "-UNINSTALL" is among them; the address and port fields only
// ever take an argument; the last network switch decides the network choice.
#include "FuzzTarget.h"

#include "app/Launcher.h"
#include "app/Switches.h"
#include "config/LauncherKey.h"
#include "platform/fake/FakePlatform.h"

#include <algorithm>

namespace {

using namespace quarl;

constexpr const char* kGame = "C:\\Games\\Rogue Spear";

std::string Upper(std::string text) {
    for (auto& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool Among(const std::vector<std::string>& arguments, const std::string& text) {
    return std::find(arguments.begin(), arguments.end(), text) != arguments.end();
}

// The address and port fields, and the network choice the arguments leave.
void CheckChoices(const app::MainForm& main, const std::vector<std::string>& arguments,
                  const std::string& address, const std::string& port) {
    FUZZ_CHECK(main.txtIPAddress.text == address || Among(arguments, main.txtIPAddress.text));
    FUZZ_CHECK(main.txtPort.text == port || Among(arguments, main.txtPort.text));
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) {
        const auto upper = Upper(*it);
        if (upper == "-NONET") {
            FUZZ_CHECK(!main.chkUseNetwork.checked() && !main.rbHost.selected());
        } else if (upper == "-CLIENT") {
            FUZZ_CHECK(main.chkUseNetwork.checked() && main.rbJoin.selected());
        } else if (upper == "-HOST" || upper == "-SERVER") {
            FUZZ_CHECK(main.chkUseNetwork.checked() && main.rbHost.selected());
        } else {
            continue;
        }
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto arguments = fuzz::Split(fuzz::AsText(data, size), '\n', 16);
    if (arguments.size() == 1 && arguments[0].empty())
        arguments.clear();

    platform::fake::FakePlatform fake;
    fake.registry.setString(platform::RootKey::LocalMachine, config::kGameKey, "InstallationPath",
                            kGame);
    for (const auto* name : {"RogueSpear.exe", "UrbanOperations.exe", "CovertOperations.exe"})
        fake.files.addFile(std::string(kGame) + "\\" + name);
    for (const auto* mod : {"Alpha", "Bravo"})
        fake.files.addFolder(std::string(kGame) + "\\mods\\" + mod);

    auto services = fake.platform(arguments);
    app::Launcher launcher(services);
    const bool carriesOn = launcher.frmMain.create();
    // A join link start takes the link and nothing else, not even "-UNINSTALL".
    const bool linkStart = app::IsLinkStart(arguments);
    const bool uninstall =
        !linkStart && std::any_of(arguments.begin(), arguments.end(),
                                  [](const auto& a) { return Upper(a) == "-UNINSTALL"; });
    FUZZ_CHECK(carriesOn == !uninstall);
    if (!carriesOn)
        return 0;
    // A join link fills the fields from the link's own parts: those runs are not checked here.
    const bool link = std::any_of(arguments.begin(), arguments.end(),
                                  [](const auto& a) { return Upper(a) == "-LINK"; });
    if (link)
        return 0;
    CheckChoices(launcher.frmMain, arguments, "", "2346");

    launcher.frmMain.show();
    launcher.frmMain.paint();
    const auto address = launcher.frmMain.txtIPAddress.text;
    const auto port = launcher.frmMain.txtPort.text;
    app::ApplyHandedOverSwitches(launcher, arguments);
    CheckChoices(launcher.frmMain, arguments, address, port);
    return 0;
}
