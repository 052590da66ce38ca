#include "app/MainForm.h"

#include "app/Launcher.h"
#include "app/Switches.h"
#include "base/ScopeExit.h"
#include "base/Text.h"
#include "companions/Companions.h"
#include "config/LauncherKey.h"
#include "launch/MouseSwap.h"
#include "net/ServerHistory.h"
#include "net/Telnet.h"

#include <array>

namespace quarl::app {

namespace keys = config::launcher;
using config::kFalse;
using config::kLauncherKey;
using config::kTrue;
using platform::RootKey;

namespace {

constexpr std::string_view kGameNotFound = "Rogue Spear was not found!\n\r\n\r"
                                           "Most Launcher features will be disabled.";

void SetCommand(ui::Button& command, std::string caption, std::string hint) {
    command.caption = std::move(caption);
    command.hint = std::move(hint);
}

} // namespace

MainForm::MainForm(Launcher& launcher) : Form("frmMain", "Quarl Launcher"), launcher_(launcher) {
    rbRS.caption = "Rogue Spear";
    rbUO.caption = "Urban Ops";
    rbCO.caption = "Covert Ops";
    rbRS.select();
    chkUseNetwork.caption = "Network Game";
    rbJoin.caption = "Join";
    rbHost.caption = "Host";
    btnAddAddress.caption = "+";
    btnAddAddress.hint = "Add to Address Book";
    txtPort.text = "2346";
    txtPort.maxLength = 10;
    Pingtime.caption = "Looking.";
    ListBox1.hint = "Select a Mod.";
    ListBox1.enabled = false;
    chkUseMod.caption = "Use Mod";
    chkDeleteKit.caption = "Delete kitrestrictions.txt";
    lblVersion.caption = "v2.10";
    lblVersion.hint = "Launcher Version";
    PingTimer.interval = 5000;

    SetCommand(mnuLaunch, "&Launch", "Launch Game");
    SetCommand(mnuAddressBook, "Address &Book", "Open Address Book");
    SetCommand(mnuSettings, "&Settings", "Modify Settings");
    SetCommand(mnuModInfo, "&Mod Info", "Mod Information");
    SetCommand(mnuExit, "E&xit", "Close Launcher");
    SetCommand(mnuWizard, "Launch &Wizard", "Open Launch Wizard");
    SetCommand(mnuLaunchTool, "&Launch Tool", "Open Launch Tool");
    SetCommand(mnuTelnet, "&Telnet", "Telnet to Server");
    SetCommand(mnuIPAddress, "&IP Address", "Find Local IP Addresses");
    SetCommand(mnuPingDetails, "&Ping Details", "Detailed Ping Information");
    SetCommand(mnuBoundkeys, "Boundkeys", "Open Boundkeys.txt for editing");
    SetCommand(mnuKitrestrictions, "Kitrestrictions", "Open Kitrestrictions.txt for editing");
    SetCommand(mnuCopyJoinLink, "Copy &Join Link", "Copy a link that sets up this network game");
    SetCommand(mnuRogerWilco, "&Roger Wilco", "Open RogerWilco");
    SetCommand(mnuGameSpy, "&GameSpy", "Open GameSpy");
    SetCommand(mnuKali, "&Kali", "Open Kali");
    SetCommand(mnuStats, "RS Stats", "Open RS Stats Recorder");
    SetCommand(mnuContents, "&Contents", "Contents of Help");
    SetCommand(mnuKeywordSearch, "&Keyword Search", "Search for help on");
    SetCommand(mnuHelpIntroduction, "Introduction", "");
    SetCommand(mnuHelpZone, "The Zone", "");
    SetCommand(mnuHelpGameSpy, "GameSpy", "");
    SetCommand(mnuHelpMPlayer, "MPlayer", "");
    SetCommand(mnuHelpKali, "Kali", "");
    SetCommand(mnuCheckUpdates, "&Check for Updates", "Check for Launcher Updates online");
    SetCommand(mnuWebTamsel, "Tamsel Software", "");
    SetCommand(mnuWebProductGroup, "Quarl Launcher", "");
    SetCommand(mnuAbout, "&About", "About this program");
    mnuRWJoin.caption = "Join";
    mnuRWJoinRS.caption = "Join RS Server";
    mnuRWHostNormal.caption = "Normal";
    mnuRWHostMinimize.caption = "Minimize";

    SetCommand(btnLaunch, "Launch", "Launch Game");
    SetCommand(tbTelnet, "Telnet", "Telnet to Server");
    SetCommand(tbIPAddress, "IP Address", "Find IP Addresses");
    SetCommand(btnSettings, "Settings", "Settings");
    SetCommand(tbAddressBook, "Address Book", "Address Book");
    SetCommand(tbHelp, "Help", "Help");
    SetCommand(tbRogerWilco, "Roger Wilco", "Launch Roger Wilco");
    SetCommand(tbGameSpy, "GameSpy", "Launch GameSpy");
    SetCommand(tbKali, "Kali", "Launch Kali");
    SetCommand(tbStats, "RS Stats", "Launch RS Stats Recorder");

    wireHandlers();
}

MainForm::~MainForm() = default;

void MainForm::wireHandlers() {
    // A click reaction, then the enabled state derived again, also when the reaction fails.
    const auto reaction = [this](auto react) {
        return [this, react] {
            base::ScopeExit derive([this] { updateControls(); });
            react();
        };
    };
    rbRS.onClick = reaction([this] { rbRSClick(); });
    rbUO.onClick = reaction([this] { rbUOClick(); });
    // Covert Ops has no reaction of its own: what it disables follows from the selection.
    rbCO.onClick = [this] { updateControls(); };
    chkUseNetwork.onClick = reaction([this] { chkUseNetworkClick(); });
    rbJoin.onClick = reaction([this] { rbJoinClick(); });
    rbHost.onClick = reaction([this] { rbHostClick(); });
    chkUseMod.onClick = reaction([this] { launcher_.mods.UseModClick(); });
    ListBox1.onClick = [this] { launcher_.mods.SaveModSelection(); };
    ListBox1.onDoubleClick = mnuModInfo.onClick = [this] { launcher_.frmModInfo.showModal(*this); };
    PingTimer.onTimer = [this] { launcher_.ping.PingTimerTimer(); };
    imgPing.onDoubleClick = [this] { launcher_.frmPingStats.show(); };
    Pingtime.onDoubleClick = [this] { launcher_.frmPingStats.show(); };
    mnuPingDetails.onClick = [this] { launcher_.frmPingStats.show(); };
    mnuExit.onClick = [this] { requestClose(); };
    mnuAddressBook.onClick = tbAddressBook.onClick = [this] { btnAddressBookClick(); };
    btnAddAddress.onClick = [this] { btnAddAddressClick(); };
    mnuWizard.onClick = [this] { launcher_.frmWiz.show(); };
    mnuLaunchTool.onClick = [this] {
        if (!launcher_.frmTool.running())
            launcher_.frmTool.show();
    };
    btnLaunch.onClick = mnuLaunch.onClick = [this] { LaunchGame(launcher_); };
    mnuCopyJoinLink.onClick = [this] { CopyMainWindowJoinLink(launcher_); };
    wireCompanions();
    btnSettings.onClick =
        mnuSettings.onClick = [this] { launcher_.frmSettings.showModal(*this, true); };
}

// The commands that hand work to other programs: telnet, the companions, the editors, help and
// the web pages.
void MainForm::wireCompanions() {
    auto& platform = launcher_.platform;
    auto& session = launcher_.session;
    const auto& helpFile = launcher_.application.helpFile;
    tbTelnet.onClick = mnuTelnet.onClick = [this, &platform, &session] {
        net::TelnetToServer(platform, session, txtIPAddress.text, txtPort.text);
    };
    using companions::Companion;
    const auto start = [&platform, &session](Companion which) {
        return [&platform, &session, which] {
            companions::StartCompanion(platform.shell, session.store, which);
        };
    };
    const auto rogerWilco = [&platform, &session](std::string parameters,
                                                  platform::ShowCommand show) {
        return [&platform, &session, parameters, show] {
            companions::RunRogerWilco(platform.shell, session.store, parameters, show);
        };
    };
    using platform::ShowCommand;
    mnuRogerWilco.onClick = tbRogerWilco.onClick = rogerWilco("", ShowCommand::Normal);
    mnuRWHostNormal.onClick = rogerWilco("/create DEFAULT", ShowCommand::Normal);
    mnuRWHostMinimize.onClick = rogerWilco("/create DEFAULT", ShowCommand::MinimizedNoActivate);
    mnuRWJoin.onClick = [this] { launcher_.frmJoinRW.show(); };
    mnuRWJoinRS.onClick = [this] { launcher_.frmJoinRW.showWithAddress(txtIPAddress.text); };
    mnuGameSpy.onClick = tbGameSpy.onClick = start(Companion::GameSpy);
    mnuKali.onClick = tbKali.onClick = start(Companion::Kali);
    mnuStats.onClick = tbStats.onClick = start(Companion::Stats);
    mnuBoundkeys.onClick = [&platform, &session] {
        companions::EditBoundKeys(platform.shell, platform.files, session);
    };
    mnuKitrestrictions.onClick = [&platform, &session] {
        companions::EditKitRestrictions(platform.shell, session);
    };
    mnuContents.onClick =
        tbHelp.onClick = [&platform, &helpFile] { platform.help.showContents(helpFile); };
    mnuKeywordSearch.onClick = [&platform, &helpFile] { platform.help.searchKeyword(helpFile); };
    const std::array gamingOnline{&mnuHelpIntroduction, &mnuHelpZone, &mnuHelpGameSpy,
                                  &mnuHelpMPlayer, &mnuHelpKali};
    static_assert(gamingOnline.size() == companions::kGamingOnlineTopics.size());
    for (std::size_t i = 0; i < gamingOnline.size(); ++i)
        gamingOnline[i]->onClick = [&platform, &helpFile,
                                    context = companions::kGamingOnlineTopics[i]] {
            platform.help.showTopic(helpFile, context);
        };
    mnuCheckUpdates.onClick = [this, &platform, &session] {
        companions::OpenWebPage(platform.shell,
                                companions::UpdateCheckAddress(session, ListBox1.items()));
    };
    mnuIPAddress.onClick =
        tbIPAddress.onClick = [this] { launcher_.frmIPAddress.showModal(*this); };
    mnuAbout.onClick = [this] { launcher_.AboutBox.showModal(*this); };
    mnuWebTamsel.onClick = [&platform] {
        companions::OpenWebPage(platform.shell, companions::kTamselHomePage);
    };
    mnuWebProductGroup.onClick = [&platform] {
        companions::OpenWebPage(platform.shell, companions::kProductHomePage);
    };
}

mods::ModChoices MainForm::modChoices() {
    return {rbRS, rbUO, chkUseMod, ListBox1};
}

net::PingChoices MainForm::pingChoices() {
    return {chkUseNetwork, rbJoin, txtIPAddress, PingTimer, imgPing, Pingtime};
}

net::AddressBookChoices MainForm::addressBookChoices() const {
    return {rbRS, txtIPAddress, txtPort, chkUseMod, ListBox1};
}

wizard::WizardSource MainForm::wizardSource() const {
    return {txtIPAddress, ListBox1, rbRS, rbUO};
}

launch::LaunchChoices MainForm::launchChoices() const {
    using launch::Game;
    launch::LaunchChoices choices;
    choices.game = rbRS.selected()   ? Game::RogueSpear
                   : rbUO.selected() ? Game::UrbanOps
                   : rbCO.selected() ? Game::CovertOps
                                     : Game::None;
    choices.useMod = chkUseMod.checked();
    choices.mods = mods::SelectedMods(ListBox1);
    choices.network = chkUseNetwork.checked();
    choices.join = rbJoin.selected();
    choices.host = rbHost.selected();
    choices.address = txtIPAddress.text;
    choices.port = txtPort.text;
    choices.deleteKit = chkDeleteKit.checked();
    return choices;
}

void MainForm::updateControls() {
    const auto& session = launcher_.session;
    const bool anyGame = session.anyGame();
    rbRS.enabled = session.rogueSpear;
    rbUO.enabled = session.urbanOps;
    rbCO.enabled = session.covertOps;

    // Covert Ops uses no mods; the boxes keep their checked state while it is selected. The
    // kit file's box belongs to Rogue Spear.
    chkUseMod.enabled = anyGame && !rbCO.selected();
    ListBox1.enabled = chkUseMod.checked() && !rbCO.selected();
    chkDeleteKit.enabled = !rbUO.selected() && !rbCO.selected();
    mnuModInfo.enabled = anyGame && chkUseMod.checked();

    // Join, Host and the port follow Network Game; the address and "+" are for Join only.
    chkUseNetwork.enabled = anyGame;
    const bool network = chkUseNetwork.checked();
    rbJoin.enabled = rbHost.enabled = txtPort.enabled = network;
    txtIPAddress.enabled = btnAddAddress.enabled = network && !rbHost.selected();
    mnuCopyJoinLink.enabled = anyGame && network;

    for (auto* command :
         {&btnLaunch, &mnuLaunch, &btnSettings, &mnuSettings, &mnuLaunchTool, &mnuWizard,
          &mnuAddressBook, &tbAddressBook, &mnuBoundkeys, &mnuKitrestrictions, &mnuPingDetails})
        command->enabled = anyGame;
}

bool MainForm::create() {
    // Start-up is one event, from here to the end of the first paint: a hand-over that arrives
    // meanwhile waits until the mod list is filled and the last mod restored.
    launcher_.application.beginEvent();
    if (!SingleInstanceCheck(launcher_))
        return false;
    FormCreate();
    if (!ApplyStartupSwitches(launcher_))
        return false;
    // The secondary windows are created after the main window, once the games are known.
    launcher_.frmSettings.FormCreate();
    return true;
}

// The creation handler: restores the window from the launcher key and finds the games.
void MainForm::FormCreate() {
    auto& app = launcher_.application;
    auto& session = launcher_.session;
    app.onHint = [this] { StatusBar1.text = " " + launcher_.application.hint(); };
    session.StartupInProgress = true;
    launcher_.ping.StopPingMonitor();
    app.helpFile = session.launcherString(keys::InstallationPath) + "\\launcher.hlp";
    lblVersion.caption = "v2.10";
    session.writeLauncherString(keys::Version, config::kLauncherVersion);
    session.PingDisabled = session.launcherString(keys::DisablePing) == kTrue;
    for (const auto& [value, fallback] : {std::pair{keys::EXEName, "RogueSpear.exe"},
                                          std::pair{keys::UOEXEName, "UrbanOperations.exe"},
                                          std::pair{keys::COEXEName, "CovertOperations.exe"}})
        if (session.launcherString(value).empty())
            session.writeLauncherString(value, fallback);
    detectGames();
    restoreState();
    applyGamePresence();
    launcher_.mods.FillModList();
    net::LoadServerHistory(session, txtIPAddress);
    launcher_.platform.messages.processPendingMessages();
}

void MainForm::detectGames() {
    auto& state = launcher_.session;
    const auto& store = state.store;
    state.gameKeyPath.clear();
    for (const auto key : {config::kGameKey, config::kDemoGameKey}) {
        if (!store.ReadRegString(RootKey::LocalMachine, key, config::game::InstallationPath)
                 .empty()) {
            state.gameKeyPath = std::string(key);
            break;
        }
    }
    const auto folder = state.gameFolder();
    const auto& files = launcher_.platform.files;
    state.rogueSpear = files.fileExists(folder + "\\RogueSpear.exe");
    state.urbanOps = state.rogueSpear && files.fileExists(folder + "\\UrbanOperations.exe");
    state.covertOps = files.fileExists(folder + "\\CovertOperations.exe");

    if (state.gameString(config::game::ModsPath).empty())
        state.writeGameString(config::game::ModsPath, "\\mods");
    // With no game key there is no mods folder: never list the current drive's root instead.
    state.modsFolder = state.gameKeyPath.empty()
                           ? std::string()
                           : folder + state.gameString(config::game::ModsPath) + "\\";
}

void MainForm::restoreState() {
    const auto& session = launcher_.session;
    txtPort.text = session.launcherString(keys::Port);
    if (txtPort.text.empty())
        txtPort.text = "2346";

    if (session.launcherString(keys::Host) == kTrue)
        rbHost.select();
    else
        rbJoin.select();

    chkDeleteKit.setChecked(session.launcherString(keys::DeleteKit) == kTrue);
    chkUseMod.setChecked(session.launcherString(keys::UseMod) == kTrue);

    switch (session.store.ReadRegInteger(RootKey::CurrentUser, kLauncherKey, keys::GameType)) {
    case 1: rbRS.select(); break;
    case 2: rbUO.select(); break;
    case 3: rbCO.select(); break;
    default:
        rbRS.deselect();
        rbUO.deselect();
        rbCO.deselect();
    }

    if (session.launcherString(keys::UseNetwork) != kTrue) {
        chkUseNetwork.setChecked(false);
        launcher_.ping.StopPingMonitor();
    } else {
        chkUseNetwork.setChecked(true);
        txtPort.windowBackground = true;
        rbHost.selected() ? rbHostClick() : rbJoinClick();
    }
}

void MainForm::applyGamePresence() {
    updateControls();
    if (!launcher_.session.anyGame()) {
        chkUseNetwork.setChecked(false);
        chkUseMod.setChecked(false);
        platform::ShowError(launcher_.platform.dialogs, std::string(kGameNotFound));
    }
    // A saved game that is installed stays selected; otherwise the first of Urban Ops, Covert Ops
    // and Rogue Spear whose step applies is chosen. (Looking only at the enabled buttons would
    // replace a saved Rogue Spear or Urban Ops at every start whenever an expansion is missing.)
    const bool kept = (rbRS.selected() && rbRS.enabled) || (rbUO.selected() && rbUO.enabled) ||
                      (rbCO.selected() && rbCO.enabled);
    if (!kept && (rbRS.enabled || rbUO.enabled || rbCO.enabled)) {
        if (!rbRS.enabled)
            rbUO.select();
        if (!rbUO.enabled)
            rbCO.select();
        if (!rbCO.enabled)
            rbRS.select();
    }
}

void MainForm::applyCompanions() {
    const auto found =
        companions::DetectCompanions(launcher_.session.store, launcher_.platform.files);
    mnuStats.enabled = tbStats.enabled = found.stats;
    mnuKali.enabled = tbKali.enabled = found.kali;
    mnuRogerWilco.enabled = tbRogerWilco.enabled = found.rogerWilco;
    tbGameSpy.enabled = found.gameSpy;
}

void MainForm::paint() {
    if (!launcherMutex_)
        launcherMutex_ = launcher_.platform.kernel.createMutex("QUARLLAUNCHER");
    auto& session = launcher_.session;
    if (!session.StartupInProgress || firstPaintRunning_)
        return;
    // Should the one-time work fail (its error shows at the dispatch boundary), start-up is
    // still over: later paints do not retry it and the game buttons restore the last mod.
    {
        base::ScopeExit finish([this, &session] {
            session.StartupInProgress = false;
            firstPaintRunning_ = false;
            launcher_.application.endEvent();
        });
        firstPaintRunning_ = true;
        FirstPaint();
    }
    launcher_.application.runQueued();
}

// The one-time work that needs a visible window.
void MainForm::FirstPaint() {
    auto& platform = launcher_.platform;
    auto& session = launcher_.session;
    auto& store = session.store;
    platform.messages.processPendingMessages();
    if (platform.arguments.empty())
        launcher_.WizardCheck();
    session.StartupInProgress = false;
    if (!platform.arguments.empty() && base::UpperAscii(platform.arguments.front()) == "-INSTALL") {
        const auto answer = platform.dialogs.showMessage(
            {"Would you like to use the Wizard Interface?", "Question",
             platform::MessageButtons::YesNo, platform::MessageIcon::Question, 2});
        if (answer == platform::MessageResult::Yes) {
            store.WriteRegFlag(RootKey::CurrentUser, kLauncherKey, keys::Wizard, true);
            launcher_.WizardCheck();
        }
    }
    applyCompanions();
    if (session.launcherString(keys::DisableMouse) == kFalse &&
        !store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, keys::CheckMouseConfig)) {
        PingTimer.enabled = false;
        launch::StartupMouseCheck(platform, store);
    }
    // A ping the player turned off never sends anything.
    if (chkUseNetwork.checked() && !session.PingDisabled)
        PingTimer.enabled = true;
    launcher_.mods.RestoreLastMod();
}

void MainForm::rbRSClick() {
    ListBox1.setMultiSelect(false);
    if (!launcher_.session.StartupInProgress)
        launcher_.mods.RestoreLastMod();
}

void MainForm::rbUOClick() {
    ListBox1.setMultiSelect(true);
    if (!launcher_.session.StartupInProgress)
        launcher_.mods.RestoreLastMod();
}

void MainForm::chkUseNetworkClick() {
    if (!chkUseNetwork.checked())
        launcher_.ping.StopPingMonitor();
    else
        rbHost.selected() ? rbHostClick() : rbJoinClick();
}

void MainForm::rbJoinClick() {
    launcher_.ping.StartPingMonitor();
}

void MainForm::rbHostClick() {
    launcher_.ping.StopPingMonitor();
}

void MainForm::btnAddressBookClick() {
    auto& book = launcher_.frmAddressBook;
    if (book.visible())
        book.bringToFront();
    else
        book.show();
}

void MainForm::btnAddAddressClick() {
    auto& book = launcher_.frmAddressBook;
    if (!book.visible())
        book.NewRowPending = true;
    btnAddressBookClick();
}

void MainForm::StateSave() {
    auto& session = launcher_.session;
    auto& store = session.store;
    net::RecordServerAddress(session, txtIPAddress.text);
    const int gameType = rbCO.selected() ? 3 : rbUO.selected() ? 2 : rbRS.selected() ? 1 : 0;
    store.WriteRegInteger(RootKey::CurrentUser, kLauncherKey, keys::GameType, gameType);
    session.writeLauncherString(keys::Port, txtPort.text);
    session.writeLauncherString(keys::Host, config::TextBoolean(rbHost.selected()));
    session.writeLauncherString(keys::DeleteKit, config::TextBoolean(chkDeleteKit.checked()));
    session.writeLauncherString(keys::UseNetwork, config::TextBoolean(chkUseNetwork.checked()));
    session.writeLauncherString(keys::UseMod, config::TextBoolean(chkUseMod.checked()));
    launcher_.mods.SaveModSelection();
}

bool MainForm::FormCloseQuery() {
    return !launcher_.frmTool.running();
}

void MainForm::FormClose() {
    // The program ends with this window: the address book saves as when its own window closes,
    // and the state save runs whatever that did.
    try {
        launcher_.frmAddressBook.closeWithProgram();
    } catch (...) {
        StateSave();
        throw;
    }
    StateSave();
}

} // namespace quarl::app
