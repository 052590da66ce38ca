#include "app/MainForm.h"

#include "app/Launcher.h"
#include "app/Switches.h"
#include "app/Text.h"
#include "companions/Companions.h"
#include "config/LauncherKey.h"
#include "launch/GameLaunch.h"
#include "launch/MouseSwap.h"
#include "mods/ModList.h"
#include "net/PingMonitor.h"
#include "net/ServerHistory.h"

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
    rbRS.onClick = [this] { rbRSClick(); };
    rbUO.onClick = [this] { rbUOClick(); };
    rbCO.onClick = [this] { rbCOClick(); };
    chkUseNetwork.onClick = [this] { chkUseNetworkClick(); };
    rbJoin.onClick = [this] { rbJoinClick(); };
    rbHost.onClick = [this] { rbHostClick(); };
    chkUseMod.onClick = [this] { mods::UseModClick(launcher_); };
    ListBox1.onClick = [this] { mods::SaveModSelection(launcher_); };
    // The mod information window is not there yet: a double-click does nothing and the menu
    // item shows disabled, rather than disabling the main window behind an empty one.
    PingTimer.onTimer = [this] { net::PingTimerTimer(launcher_); };
    imgPing.onDoubleClick = [this] { launcher_.frmPingStats.show(); };
    Pingtime.onDoubleClick = [this] { launcher_.frmPingStats.show(); };
    mnuPingDetails.onClick = [this] { launcher_.frmPingStats.show(); };
    mnuExit.onClick = [this] { close(); };
    btnLaunch.onClick = [this] { launch::LaunchGame(launcher_); };
    mnuLaunch.onClick = [this] { launch::LaunchGame(launcher_); };
}

bool MainForm::create() {
    if (!SingleInstanceCheck(launcher_))
        return false;
    FormCreate();
    return ApplyStartupSwitches(launcher_);
}

// The creation handler: restores the window from the launcher key and finds the games.
void MainForm::FormCreate() {
    auto& app = launcher_.application;
    auto& state = launcher_.state;
    app.onHint = [this] { StatusBar1.text = " " + launcher_.application.hint(); };
    state.StartupInProgress = true;
    net::StopPingMonitor(launcher_);
    app.helpFile = launcher_.launcherString(keys::InstallationPath) + "\\launcher.hlp";
    lblVersion.caption = "v2.10";
    launcher_.writeLauncherString(keys::Version, config::kLauncherVersion);
    state.PingDisabled = launcher_.launcherString(keys::DisablePing) == kTrue;
    for (const auto& [value, fallback] : {std::pair{keys::EXEName, "RogueSpear.exe"},
                                          std::pair{keys::UOEXEName, "UrbanOperations.exe"},
                                          std::pair{keys::COEXEName, "CovertOperations.exe"}})
        if (launcher_.launcherString(value).empty())
            launcher_.writeLauncherString(value, fallback);
    detectGames();
    restoreState();
    applyGamePresence();
    mods::FillModList(launcher_);
    net::LoadServerHistory(launcher_);
    launcher_.platform.messages.processPendingMessages();
}

void MainForm::detectGames() {
    auto& state = launcher_.state;
    const auto& store = launcher_.store;
    state.gameKeyPath.clear();
    for (const auto key : {config::kGameKey, config::kDemoGameKey}) {
        if (!store.ReadRegString(RootKey::LocalMachine, key, config::game::InstallationPath)
                 .empty()) {
            state.gameKeyPath = std::string(key);
            break;
        }
    }
    const auto folder = launcher_.gameFolder();
    const auto& files = launcher_.platform.files;
    state.rogueSpear = files.fileExists(folder + "\\RogueSpear.exe");
    state.urbanOps = state.rogueSpear && files.fileExists(folder + "\\UrbanOperations.exe");
    state.covertOps = files.fileExists(folder + "\\CovertOperations.exe");

    if (launcher_.gameString(config::game::ModsPath).empty())
        launcher_.writeGameString(config::game::ModsPath, "\\mods");
    // With no game key there is no mods folder: never list the current drive's root instead.
    state.modsFolder = state.gameKeyPath.empty()
                           ? std::string()
                           : folder + launcher_.gameString(config::game::ModsPath) + "\\";
}

void MainForm::restoreState() {
    const auto& store = launcher_.store;
    txtPort.text = launcher_.launcherString(keys::Port);
    if (txtPort.text.empty())
        txtPort.text = "2346";

    if (launcher_.launcherString(keys::Host) == kTrue)
        rbHost.select();
    else
        rbJoin.select();

    chkDeleteKit.setChecked(launcher_.launcherString(keys::DeleteKit) == kTrue);

    const bool useMod = launcher_.launcherString(keys::UseMod) == kTrue;
    chkUseMod.setChecked(useMod);
    ListBox1.enabled = useMod;
    mnuModInfo.enabled = useMod;

    switch (store.ReadRegInteger(RootKey::CurrentUser, kLauncherKey, keys::GameType)) {
    case 1: rbRS.select(); break;
    case 2: rbUO.select(); break;
    case 3: rbCO.select(); break;
    default:
        rbRS.deselect();
        rbUO.deselect();
        rbCO.deselect();
    }

    if (launcher_.launcherString(keys::UseNetwork) != kTrue) {
        chkUseNetwork.setChecked(false);
        setNetworkControls(false);
        net::StopPingMonitor(launcher_);
    } else {
        chkUseNetwork.setChecked(true);
        setNetworkControls(true);
        txtPort.windowBackground = true;
        rbHost.selected() ? rbHostClick() : rbJoinClick();
    }
}

void MainForm::applyGamePresence() {
    const auto& state = launcher_.state;
    rbRS.enabled = state.rogueSpear;
    if (state.rogueSpear || state.covertOps) {
        btnLaunch.enabled = btnSettings.enabled = mnuLaunch.enabled = true;
        rbUO.enabled = state.urbanOps;
        rbCO.enabled = state.covertOps;
    } else {
        rbUO.enabled = rbCO.enabled = false;
        for (auto* item : {&mnuLaunchTool, &mnuWizard, &mnuAddressBook, &mnuLaunch, &mnuSettings,
                           &mnuModInfo, &mnuBoundkeys, &mnuKitrestrictions, &mnuPingDetails})
            item->enabled = false;
        tbAddressBook.enabled = btnLaunch.enabled = btnSettings.enabled = false;
        chkUseNetwork.setChecked(false);
        chkUseNetwork.enabled = false;
        chkUseMod.setChecked(false);
        chkUseMod.enabled = false;
        launcher_.platform.dialogs.showMessage({std::string(kGameNotFound), "Error!",
                                                platform::MessageButtons::Ok,
                                                platform::MessageIcon::Exclamation, 1});
    }
    // The fallback looks only at which buttons are enabled, not at which one is selected.
    if (rbRS.enabled || rbUO.enabled || rbCO.enabled) {
        if (!rbRS.enabled)
            rbUO.select();
        if (!rbUO.enabled)
            rbCO.select();
        if (!rbCO.enabled)
            rbRS.select();
    }
}

void MainForm::paint() {
    if (!launcherMutex_)
        launcherMutex_ = launcher_.platform.kernel.createMutex("QUARLLAUNCHER");
    if (!launcher_.state.StartupInProgress || firstPaintRunning_)
        return;
    // Should the one-time work fail (its error shows at the dispatch boundary), start-up is
    // still over: later paints do not retry it and the game buttons restore the last mod.
    struct Finish {
        MainForm& form;
        ~Finish() {
            form.launcher_.state.StartupInProgress = false;
            form.firstPaintRunning_ = false;
        }
    } finish{*this};
    firstPaintRunning_ = true;
    FirstPaint();
}

// The one-time work that needs a visible window.
void MainForm::FirstPaint() {
    auto& platform = launcher_.platform;
    auto& state = launcher_.state;
    auto& store = launcher_.store;
    platform.messages.processPendingMessages();
    if (platform.arguments.empty())
        launcher_.WizardCheck();
    state.StartupInProgress = false;
    if (!platform.arguments.empty() && UpperAscii(platform.arguments.front()) == "-INSTALL") {
        const auto answer = platform.dialogs.showMessage(
            {"Would you like to use the Wizard Interface?", "Question",
             platform::MessageButtons::YesNo, platform::MessageIcon::Question, 2});
        if (answer == platform::MessageResult::Yes) {
            store.WriteRegFlag(RootKey::CurrentUser, kLauncherKey, keys::Wizard, true);
            launcher_.WizardCheck();
        }
    }
    companions::DetectCompanions(launcher_);
    if (launcher_.launcherString(keys::DisableMouse) == kFalse &&
        !store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, keys::CheckMouseConfig))
        launch::StartupMouseCheck(launcher_);
    // A ping the player turned off never sends anything.
    if (chkUseNetwork.checked() && !state.PingDisabled)
        PingTimer.enabled = true;
    mods::RestoreLastMod(launcher_);
}

void MainForm::rbRSClick() {
    ListBox1.setMultiSelect(false);
    chkDeleteKit.enabled = true;
    chkUseMod.enabled = true;
    if (chkUseMod.checked())
        ListBox1.enabled = true;
    if (!launcher_.state.StartupInProgress)
        mods::RestoreLastMod(launcher_);
}

void MainForm::rbUOClick() {
    ListBox1.setMultiSelect(true);
    chkDeleteKit.enabled = false;
    chkUseMod.enabled = true;
    if (chkUseMod.checked())
        ListBox1.enabled = true;
    if (!launcher_.state.StartupInProgress)
        mods::RestoreLastMod(launcher_);
}

void MainForm::rbCOClick() {
    chkDeleteKit.enabled = false;
    chkUseMod.enabled = false;
    ListBox1.enabled = false;
}

void MainForm::setNetworkControls(bool networkOn) {
    rbJoin.enabled = rbHost.enabled = txtPort.enabled = networkOn;
    if (!networkOn)
        txtIPAddress.enabled = btnAddAddress.enabled = false;
}

void MainForm::chkUseNetworkClick() {
    if (!chkUseNetwork.checked()) {
        setNetworkControls(false);
        net::StopPingMonitor(launcher_);
        return;
    }
    setNetworkControls(true);
    rbHost.selected() ? rbHostClick() : rbJoinClick();
}

void MainForm::rbJoinClick() {
    txtIPAddress.enabled = btnAddAddress.enabled = true;
    net::StartPingMonitor(launcher_);
}

void MainForm::rbHostClick() {
    txtIPAddress.enabled = btnAddAddress.enabled = false;
    net::StopPingMonitor(launcher_);
}

void MainForm::StateSave() {
    auto& store = launcher_.store;
    net::RecordServerAddress(launcher_);
    const int gameType = rbCO.selected() ? 3 : rbUO.selected() ? 2 : rbRS.selected() ? 1 : 0;
    store.WriteRegInteger(RootKey::CurrentUser, kLauncherKey, keys::GameType, gameType);
    launcher_.writeLauncherString(keys::Port, txtPort.text);
    launcher_.writeLauncherString(keys::Host, config::TextBoolean(rbHost.selected()));
    launcher_.writeLauncherString(keys::DeleteKit, config::TextBoolean(chkDeleteKit.checked()));
    launcher_.writeLauncherString(keys::UseNetwork, config::TextBoolean(chkUseNetwork.checked()));
    launcher_.writeLauncherString(keys::UseMod, config::TextBoolean(chkUseMod.checked()));
    mods::SaveModSelection(launcher_);
}

void MainForm::FormClose() {
    StateSave();
}

} // namespace quarl::app
