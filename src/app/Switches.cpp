// The command-line switches. Each argument is compared upper-cased with every switch; an
// argument a switch takes as its value is visited next all the same. The effects go through
// the main window's own click reactions, so later switches override earlier ones; the enabled
// state of the controls follows from the choices they leave.
#include "app/Switches.h"

#include "app/JoinLink.h"
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

bool ApplySwitches(Launcher& launcher, const std::vector<std::string>& arguments, Path path);

// Once the event is over: a second start that handed the link over is let go first, rather
// than waiting on the box and starting a launcher of its own after 10 seconds.
void ShowRefusedLink(Launcher& launcher, std::string_view text, std::string_view problem) {
    launcher.application.whenIdle([&launcher, box = RefusedJoinLinkText(text, problem)] {
        platform::ShowError(launcher.platform.dialogs, box);
    });
}

// Selects exactly the link's mods, the first of them the current entry.
void SelectLinkMods(ui::ListBox& list, const std::vector<std::string>& mods) {
    std::vector<bool> wanted(list.items().size(), false);
    int first = -1;
    for (const auto& mod : mods)
        if (const int index = list.indexOf(mod); index >= 0) {
            wanted[static_cast<std::size_t>(index)] = true;
            first = first < 0 ? index : first;
        }
    if (first < 0)
        return;
    list.setItemIndex(first);
    for (std::size_t i = 0; i < wanted.size(); ++i)
        list.setSelected(i, wanted[i]);
}

// A link sets up the main window as its switches do and selects all of its mods, which "-MODS"
// alone does not in Urban Ops' list. A refused link, or one for a game or a mod that is not
// installed, changes nothing. It never launches.
void Link(Launcher& launcher, const std::string& text, Path path) {
    const auto parse = ParseJoinLink(text);
    auto problem = parse.problem;
    const auto& session = launcher.session;
    if (parse.valid) {
        using launch::Game;
        const auto game = parse.link.game;
        if (game == Game::RogueSpear && !session.rogueSpear)
            problem = "Rogue Spear is not installed.";
        else if (game == Game::UrbanOps && !session.urbanOps)
            problem = "Urban Ops is not installed.";
        else if (game == Game::CovertOps && !session.covertOps)
            problem = "Covert Ops is not installed.";
        // A mod the list does not hold would leave another mod chosen for this server.
        for (const auto& mod : parse.link.mods)
            if (problem.empty() && launcher.frmMain.ListBox1.indexOf(mod) < 0)
                problem = "The mod \"" + mod + "\" is not installed.";
    }
    if (!problem.empty()) {
        ShowRefusedLink(launcher, text, problem);
        return;
    }
    ApplySwitches(launcher, JoinLinkSwitches(parse.link), path);
    if (parse.link.mods.empty())
        return;
    // At start-up the first paint refills the list with the saved mods: the link's go after.
    auto select = [&launcher, mods = parse.link.mods] {
        SelectLinkMods(launcher.frmMain.ListBox1, mods);
    };
    if (session.StartupInProgress)
        launcher.application.whenIdle(std::move(select));
    else
        select();
}

// False when the process is to end at once.
bool ApplySwitches(Launcher& launcher, const std::vector<std::string>& arguments, Path path) {
    auto& main = launcher.frmMain;
    base::ScopeExit derive([&main] { main.updateControls(); });
    if (IsLinkStart(arguments)) {
        // A link start takes its one argument as the link, never as a switch: a link reading
        // "-UNINSTALL" is only refused.
        if (arguments.size() == 2) {
            Link(launcher, arguments[1], path);
        } else if (arguments.size() > 2) {
            // The shell quotes the link but does not escape it: a link holding a quote ends the
            // quotes early and brings switches of its own. It is refused whole.
            std::string text;
            for (std::size_t i = 1; i < arguments.size(); ++i)
                text += (i > 1 ? " " : "") + arguments[i];
            ShowRefusedLink(launcher, text, "The link is split into several arguments.");
        }
        return true;
    }
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
        } else if (argument == "-LINK") {
            if (next)
                Link(launcher, *next, path);
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

bool IsLinkStart(const std::vector<std::string>& arguments) {
    return !arguments.empty() && base::UpperAscii(arguments.front()) == "-LINK";
}

} // namespace quarl::app
