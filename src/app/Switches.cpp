// The command-line switches. Each argument is compared upper-cased with every switch; an
// argument a switch takes as its value is visited next all the same. The effects go through
// the main window's own click reactions, so later switches override earlier ones; the enabled
// state of the controls follows from the choices they leave.
#include "app/Switches.h"

#include "app/Launcher.h"
#include "base/ScopeExit.h"
#include "base/Text.h"
#include "companions/ServicePatching.h"

namespace quarl::app {

namespace {

enum class Path { Startup, HandOver };

void Client(Launcher& launcher, const std::string* address, const std::string* port) {
    auto& main = launcher.frmMain;
    main.chkUseNetwork.setChecked(true);
    main.rbJoinClick();
    if (address)
        main.txtIPAddress.text = *address;
    if (port)
        main.txtPort.text = *port;
    main.rbJoin.select();
}

void Host(Launcher& launcher, const std::string* port) {
    auto& main = launcher.frmMain;
    main.chkUseNetwork.setChecked(true);
    main.rbHostClick();
    if (port)
        main.txtPort.text = *port;
    main.rbHost.select();
}

void Mods(Launcher& launcher, const std::string* mod) {
    auto& main = launcher.frmMain;
    main.chkUseMod.setChecked(true);
    if (!mod)
        return;
    // The current entry: in single selection that selects it, in multiple selection it only
    // takes the focus. No match leaves the list as it was.
    if (const int index = main.ListBox1.indexOf(*mod); index >= 0)
        main.ListBox1.setItemIndex(index);
}

void NoNet(Launcher& launcher) {
    auto& main = launcher.frmMain;
    main.chkUseNetwork.setChecked(false);
    launcher.ping.StopPingMonitor();
    main.rbHost.deselect();
}

void SelectGame(ui::RadioButton& game) {
    if (game.enabled)
        game.select();
}

// False when the process is to end at once.
bool ApplySwitches(Launcher& launcher, const std::vector<std::string>& arguments, Path path) {
    auto& main = launcher.frmMain;
    base::ScopeExit derive([&main] { main.updateControls(); });
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const auto argument = base::UpperAscii(arguments[i]);
        const auto* next = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
        const auto* afterNext = i + 2 < arguments.size() ? &arguments[i + 2] : nullptr;
        if (argument == "-UNINSTALL" && path == Path::Startup) {
            companions::ReverseServicePatching(launcher.platform.files, launcher.session);
            return false;
        } else if (argument == "-CLIENT") {
            Client(launcher, next, afterNext);
        } else if (argument == "-HOST" || argument == "-SERVER") {
            Host(launcher, next);
        } else if (argument == "-MODS") {
            Mods(launcher, next);
        } else if (argument == "-NOMODS") {
            main.chkUseMod.setChecked(false);
        } else if (argument == "-NONET") {
            NoNet(launcher);
        } else if (argument == "-UO") {
            SelectGame(main.rbUO);
        } else if (argument == "-CO") {
            SelectGame(main.rbCO);
        } else if (argument == "-RS") {
            SelectGame(main.rbRS);
        }
    }
    return true;
}

} // namespace

bool ApplyStartupSwitches(Launcher& launcher) {
    return ApplySwitches(launcher, launcher.platform.arguments, Path::Startup);
}

void ApplyHandedOverSwitches(Launcher& launcher, const std::vector<std::string>& arguments) {
    ApplySwitches(launcher, arguments, Path::HandOver);
}

} // namespace quarl::app
