#include "settings/SettingsForm.h"

#include "base/ScopeExit.h"
#include "config/LauncherKey.h"
#include "settings/SettingsHelp.h"

#include <algorithm>
#include <stdexcept>

namespace quarl::settings {

namespace keys = config::launcher;
using config::kFalse;
using config::kLauncherKey;
using config::kTrue;
using platform::RootKey;

namespace {

constexpr std::string_view kDefaultTelnet = "DEFAULT";

// The functions a mouse button can have in the game, by the index the launcher key stores.
constexpr std::array<std::string_view, 45> kButtonFunctions{
    "Click",
    "Right Click",
    "Auto Scroll",
    "Back",
    "Forward",
    "Double Click",
    "Cut",
    "Copy",
    "Paste",
    "Enter",
    "Delete",
    "Backspace",
    "Maximize",
    "Minimize",
    "Show/Hide Desktop",
    "Favorites",
    "Undo",
    "Redo",
    "Ctrl",
    "Alt",
    "Shift",
    "Find Computer",
    "Find Files or Folders",
    "Stop (ESC)",
    "Select All",
    "Page Down",
    "Page Up",
    "Recall Window (ALT+TAB)",
    "Explorer My Computer",
    "Start Menu",
    "Close",
    "Run",
    "F1",
    "F2",
    "F3",
    "F4",
    "F5",
    "F6",
    "F7",
    "F8",
    "F9",
    "F10",
    "F11",
    "F12",
    "None",
};

template <class Kind> Kind& As(ui::Control& control) {
    auto* typed = dynamic_cast<Kind*>(&control);
    if (!typed)
        throw std::logic_error("The control " + control.name + " is of another kind");
    return *typed;
}

template <std::size_t N>
std::vector<std::string> Items(const std::array<std::string_view, N>& list) {
    return {list.begin(), list.end()};
}

void SetCheckBox(ui::CheckBox& box, std::string caption) {
    box.caption = std::move(caption);
}

} // namespace

SettingsForm::SettingsForm(platform::Platform& platform, config::Session& session,
                           const ui::Application& application)
    : Form("frmSettings", "Game Settings. . ."), dialogs_(platform.dialogs), help_(platform.help),
      session_(session), application_(application) {
    btnOk.caption = "&Ok";
    btnOk.hint = "Save changes and close this screen";
    btnCancel.caption = "&Cancel";
    btnCancel.hint = "Close this screen";
    btnSave.caption = "&Apply";
    btnSave.hint = "Save changes";
    btnSave.enabled = false;

    SetCheckBox(chkDisablePing, "Disable Ping");
    SetCheckBox(chkCloseAB, "Auto-Close Address Book");
    SetCheckBox(chkUseWiz, "Use Wizard Interface");
    SetCheckBox(chkHideCO, "Hide Covert Ops in Mods listing");
    SetCheckBox(chkDisableMouse, "Diable Mouse Code");
    SetCheckBox(chkMouseCheck, "Disable Mouse Check");
    SetCheckBox(chkClose, "Close on Launch");
    gbTelnet.caption = " Telnet ";
    rbDefault.caption = "Default";
    rbCustom.caption = "Custom";
    gbVersions.caption = " Versions ";

    lblButton1.caption = "Left Button";
    lblButton2.caption = "Right Button";
    lblButton3.caption = "Middle Button";
    lblButton4.caption = "Button 4";
    lblButton5.caption = "Button 5";
    for (std::size_t button = 0; button < buttons_.size(); ++button) {
        auto& list = *buttons_[button];
        list.editable = false;
        list.items = Items(kButtonFunctions);
        list.items[button] += " (Default)";
    }
    lblInGameOnly.caption =
        "These settings are for in game use ONLY.  These do not reflect your windows settings.  "
        "What you set here and what you see in the mouse control panel will likely be "
        "differant.";
    lblIntelliPoint.caption = "If you do not have more than 2 or 3 mouse buttons, the others will "
                              "be ignored.  This feature is designed to work with IntelliPoint "
                              "v3.0 ONLY!";

    SetCheckBox(chkPlayMovies, "Play Intro Movies");
    SetCheckBox(chkPlaySplash, "Play Splash Movie");
    SetCheckBox(chkGore, "Gore (Blood)");
    SetCheckBox(chkUnlimitedPractice, "Unlimited Practice");
    SetCheckBox(chkAutoTarget, "Auto Targeting");
    SetCheckBox(chkAlwaysRun, "Always Run");
    SetCheckBox(chkRecordMission, "Record Mission");
    SetCheckBox(chkInvertMouse, "Invert Mouse");

    SetCheckBox(chkMasterSoundOn, "Master Sound");
    SetCheckBox(chkAmbientSoundOn, "Ambient Sound");
    SetCheckBox(chkGunshotSoundOn, "Gunshot Sound");
    SetCheckBox(chkFootstepSoundOn, "Footstep Sound");
    SetCheckBox(chkRadioChatterSoundOn, "Radio Chatter Sound");
    SetCheckBox(chkUISoundOn, "Shell Sound");
    SetCheckBox(chkActionMusicOn, "Action Music");
    SetCheckBox(chkCDMusicOn, "CD Music");
    SetCheckBox(chkUseMaxSounds, "Use Maximal Sounds");
    for (auto* volume :
         {&MasterSoundVolume, &AmbientSoundVolume, &GunshotSoundVolume, &FootstepSoundVolume,
          &RadioChatterSoundVolume, &UISoundVolume, &ActionMusicVolume}) {
        volume->min = 0;
        volume->max = 20;
        volume->frequency = 1;
    }

    SetCheckBox(chkSoftwareOnly, "Force Software");
    SetCheckBox(chkFullScreen, "Full Screen");
    SetCheckBox(chkUseActionGamma, "Use Action Gamma");
    SetCheckBox(chkShowTooltips, "Show Tooltips");
    SetCheckBox(chkShowSky, "Show Sky");
    SetCheckBox(chkShowFog, "Show Fog");
    SetCheckBox(chkShowWeatherFX, "Show Weather FX");
    SetCheckBox(chkLODSkip, "LOD Skip");
    SetCheckBox(chkMIPSkip, "MIP Skip");
    SetCheckBox(chkDynamicLighting, "Dynamic Lighting");
    SetCheckBox(chkCharacterShadows, "Character Shadows");
    SetCheckBox(chkProjectedTextures, "Projected Textures");
    SetCheckBox(chkRetainGunModels, "Show Weapons After Death");
    lblVideoResoultion.caption = "Video Resoultion";
    cbVideoResolution.items = Items(kVideoResolutions);

    lblPlayerName.caption = "Player Name:";
    lblClanName.caption = "Clan Name:";
    SetCheckBox(chkMultiplayerBehindFirewall, "Behind Firewall");
    SetCheckBox(chkMultiplayerUseArmPatch, "Use Armpatch");
    rgConnection.caption = " Connection Type";
    rgConnection.items = {"Internet", "Lan"};
    rgGender.caption = " Gender ";
    rgGender.items = {"Male", "Female"};
    lblManJoinAddr.caption = "Manual Join Host Address";
    lblManJoinPort.caption = "Manual Join Port";

    lblServerName.caption = "Server Name";
    txtMultiplayerServerName.maxLength = 100;
    lblMOTD.caption = "Server MOTD";
    txtMultiplayerMessageName.maxLength = 100;
    SetCheckBox(chkMultiplayerRequirePassword, "Require Password");
    SetCheckBox(chkMultiplayerAllowArmPatch, "Allow Armpatches");
    SetCheckBox(chkMultiplayerLoudFootsteps, "Loud Footsteps");
    SetCheckBox(chkMultiplayerDisplayNamesOnMap, "Show Enemy Names");
    SetCheckBox(chkMultiplayerAnnounceGames, "Announce Server");
    SetCheckBox(chkMultiplayerForceFog, "Force Fog");
    SetCheckBox(chkMultiplayerForceWeatherFX, "Force Weather FX");
    gbPorts.caption = "Port Numbers ";
    lblJoin.caption = "Join";
    lblInfo.caption = "Info";
    lblAnn.caption = "Ann.";

    SetCheckBox(chkDisplayTime, "Display Time");
    SetCheckBox(chkCoverWindow, "Show Cover Window");
    gbFFB.caption = " Force Feedback ";
    gbFFB.items = {"Mouse", "Joystick"};
    gbFFB.columns = 2;
    lblROF.caption = "Prefered Rate of Fire";
    cbROF.editable = false;
    cbROF.items = Items(kRatesOfFire);
    lblMapZoom.caption = "Default Map Zoom";
    cbMapZoom.editable = false;
    cbMapZoom.items = Items(kMapZooms);
    gbUOMultiplayer.caption = " Multiplayer ";
    lblUOServerName.caption = "Server Name";
    lblUOMOTD.caption = "Server MOTD";
    SetCheckBox(chkReticuleKnock, "Reticule Knock");
    SetCheckBox(chkThirdPerson, "Third Person View");

    WhatsThis1.caption = "What's This?";
    PopupHelp.items = {&WhatsThis1};
    Configure1.caption = "Configure";
    WhatsThis2.caption = "What's This?";
    pmTelnet.items = {&Configure1, nullptr, &WhatsThis2};

    layOutPages();
    wireHandlers();
}

void SettingsForm::layOutPages() {
    PageControl1.multiLine = true;
    PageControl1.pages = {&tsLauncher, &tsMouse,  &tsGeneral,  &tsSound,
                          &tsGraphics, &tsMPGame, &tsMPServer, &tsUrbanOps};
    PageControl1.setActivePage(0);
    tsLauncher.caption = "Launcher";
    tsLauncher.controls = {&chkDisablePing, &chkCloseAB, &chkUseWiz, &chkHideCO, &chkDisableMouse,
                           &chkMouseCheck,  &chkClose,   &gbTelnet,  &rbDefault, &rbCustom,
                           &gbVersions,     &lblRSver,   &lblUOver,  &lblCOver};
    tsMouse.caption = "Mouse";
    tsMouse.controls = {&lblButton1, &Button1, &lblButton2,    &Button2,
                        &lblButton3, &Button3, &lblButton4,    &Button4,
                        &lblButton5, &Button5, &lblInGameOnly, &lblIntelliPoint};
    tsGeneral.caption = "General";
    tsGeneral.controls = {&chkPlayMovies, &chkPlaySplash, &chkGore,          &chkUnlimitedPractice,
                          &chkAutoTarget, &chkAlwaysRun,  &chkRecordMission, &chkInvertMouse};
    tsSound.caption = "Sound";
    tsSound.controls = {&chkMasterSoundOn,        &MasterSoundVolume,   &chkAmbientSoundOn,
                        &AmbientSoundVolume,      &chkGunshotSoundOn,   &GunshotSoundVolume,
                        &chkFootstepSoundOn,      &FootstepSoundVolume, &chkRadioChatterSoundOn,
                        &RadioChatterSoundVolume, &chkUISoundOn,        &UISoundVolume,
                        &chkActionMusicOn,        &ActionMusicVolume,   &chkCDMusicOn,
                        &chkUseMaxSounds};
    tsGraphics.caption = "Graphics";
    tsGraphics.controls = {&chkSoftwareOnly,    &chkFullScreen,       &chkUseActionGamma,
                           &chkShowTooltips,    &chkShowSky,          &chkShowFog,
                           &chkShowWeatherFX,   &chkLODSkip,          &chkMIPSkip,
                           &chkDynamicLighting, &chkCharacterShadows, &chkProjectedTextures,
                           &chkRetainGunModels, &lblVideoResoultion,  &cbVideoResolution};
    tsMPGame.caption = "MP Game";
    tsMPGame.controls = {&lblPlayerName,
                         &txtPlayerName,
                         &lblClanName,
                         &txtClanName,
                         &chkMultiplayerBehindFirewall,
                         &chkMultiplayerUseArmPatch,
                         &rgConnection,
                         &rgGender,
                         &lblManJoinAddr,
                         &txtMultiplayerManualHostAddress,
                         &lblManJoinPort,
                         &txtMultiplayerManualJoinPort};
    tsMPServer.caption = "MP Server";
    tsMPServer.controls = {&lblServerName,
                           &txtMultiplayerServerName,
                           &lblMOTD,
                           &txtMultiplayerMessageName,
                           &chkMultiplayerRequirePassword,
                           &txtMultiplayerPassword,
                           &chkMultiplayerAllowArmPatch,
                           &chkMultiplayerLoudFootsteps,
                           &chkMultiplayerDisplayNamesOnMap,
                           &chkMultiplayerAnnounceGames,
                           &chkMultiplayerForceFog,
                           &chkMultiplayerForceWeatherFX,
                           &gbPorts,
                           &lblJoin,
                           &txtMultiplayerGameJoinPort,
                           &lblInfo,
                           &txtMultiplayerGameInfoPort,
                           &lblAnn,
                           &txtMultiplayerGameAnnouncePort};
    tsUrbanOps.caption = "Urban Ops";
    tsUrbanOps.controls = {&chkDisplayTime,   &chkCoverWindow,  &gbFFB,
                           &lblROF,           &cbROF,           &lblMapZoom,
                           &cbMapZoom,        &gbUOMultiplayer, &lblUOServerName,
                           &txtUOServerName,  &lblUOMOTD,       &txtUOMOTD,
                           &chkReticuleKnock, &chkThirdPerson};

    for (const auto& topic : kTopics)
        findControl(topic.control)->helpContext = topic.context;
    for (const auto& entry : kWhatsThis)
        findControl(entry.control)->popupMenu =
            entry.control == rbCustom.name ? &pmTelnet : &PopupHelp;
}

void SettingsForm::wireHandlers() {
    btnOk.onClick = [this] { btnOkClick(); };
    btnSave.onClick = [this] { btnSaveClick(); };
    btnCancel.onClick = [this] { btnCancelClick(); };

    chkDisablePing.onClick = [this] { changed(keys::DisablePing); };
    chkCloseAB.onClick = [this] { changed(keys::CloseAddressBook); };
    chkUseWiz.onClick = [this] { changed(keys::Wizard); };
    chkHideCO.onClick = [this] { changed(keys::HideCOE); };
    chkMouseCheck.onClick = [this] { changed(keys::CheckMouseConfig); };
    chkDisableMouse.onClick = [this] { chkDisableMouseClick(); };
    chkClose.onClick = [this] { chkCloseClick(); };
    rbDefault.onClick = [this] { rbDefaultClick(); };
    rbCustom.onClick = [this] { rbCustomClick(); };
    for (std::size_t button = 0; button < buttons_.size(); ++button)
        buttons_[button]->onChange = [this, button] { ButtonChange(button); };

    for (const auto& setting : kGameSettings) {
        auto reaction = [this, value = setting.value] { changed(value); };
        auto& control = *findControl(setting.control);
        if (auto* box = dynamic_cast<ui::CheckBox*>(&control))
            box->onClick = reaction;
        else if (auto* edit = dynamic_cast<ui::Edit*>(&control))
            edit->onChange = reaction;
        else if (auto* bar = dynamic_cast<ui::TrackBar*>(&control))
            bar->onChange = reaction;
        else if (auto* list = dynamic_cast<ui::ComboBox*>(&control))
            list->onChange = reaction;
        else
            As<ui::RadioGroupBox>(control).onClick = reaction;
    }

    pmTelnet.onPopup = [this] { pmTelnetPopup(); };
    Configure1.onClick = [this] { rbCustomClick(); };
    WhatsThis1.onClick = [this] { WhatsThis1Click(); };
    WhatsThis2.onClick = [this] { WhatsThis2Click(); };
}

ui::Control* SettingsForm::findControl(std::string_view controlName) {
    if (byName_.empty()) {
        for (auto* control :
             std::initializer_list<ui::Control*>{&PageControl1, &btnOk, &btnCancel, &btnSave})
            byName_.emplace_back(control->name, control);
        for (auto* page : PageControl1.pages) {
            byName_.emplace_back(page->name, page);
            for (auto* control : page->controls)
                byName_.emplace_back(control->name, control);
        }
        // Stable: where two controls share a name, the first placed is found, as before.
        std::stable_sort(byName_.begin(), byName_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    const auto found = std::lower_bound(
        byName_.begin(), byName_.end(), controlName,
        [](const auto& entry, std::string_view wanted) { return entry.first < wanted; });
    return found == byName_.end() || found->first != controlName ? nullptr : found->second;
}

int SettingsForm::WhatsThisContext(const ui::Control& control) {
    const auto found = std::find_if(kWhatsThis.begin(), kWhatsThis.end(), [&](const auto& entry) {
        return entry.control == control.name;
    });
    return found == kWhatsThis.end() ? 0 : found->context;
}

bool SettingsForm::urbanOpsFound() const {
    return session_.urbanOps || session_.covertOps;
}

void SettingsForm::report(const std::string& text) {
    dialogs_.showMessage(
        {text, application_.title, platform::MessageButtons::Ok, platform::MessageIcon::Error, 1});
}

void SettingsForm::changed(std::string_view value) {
    btnSave.enabled = true;
    if (!loading_)
        unloaded_.erase(std::string(value));
}

// Reading

template <class Read>
auto SettingsForm::guardedRead(std::string_view value, decltype(std::declval<Read>()()) missing,
                               Read read) {
    // A value of another type than its row names is reported and shows as missing; the save
    // then leaves it alone, unless the player sets the control.
    try {
        return read();
    } catch (const platform::RegistryError& error) {
        unloaded_.insert(std::string(value));
        report(error.what());
        return missing;
    }
}

std::string SettingsForm::launcherString(std::string_view value) {
    return guardedRead(value, std::string(), [&] { return session_.launcherString(value); });
}

SettingsForm::Stored SettingsForm::readGame(const GameSetting& setting) {
    Stored stored;
    // Without a game key there is nothing to read: the empty path is the machine's root.
    if (session_.gameKeyPath.empty())
        return stored;
    const auto& store = session_.store;
    const auto& key = session_.gameKeyPath;
    const auto value = setting.value;
    switch (CallsOf(setting.encoding).read) {
    case ReadCall::ReadRegString:
        stored.text = guardedRead(value, std::string(), [&] {
            return store.ReadRegString(RootKey::LocalMachine, key, value);
        });
        break;
    case ReadCall::ReadRegInteger:
        stored.number = guardedRead(value, std::int32_t{-1}, [&] {
            return store.ReadRegInteger(RootKey::LocalMachine, key, value);
        });
        break;
    case ReadCall::ReadRegIntegerAsText:
        stored.text = guardedRead(value, std::string(), [&] {
            return store.ReadRegIntegerAsText(RootKey::LocalMachine, key, value);
        });
        break;
    }
    return stored;
}

void SettingsForm::loadGame(const GameSetting& setting) {
    const auto stored = readGame(setting);
    auto& control = *findControl(setting.control);
    switch (setting.encoding) {
    case Encoding::TextBoolean: As<ui::CheckBox>(control).setChecked(IsTrue(stored.text)); break;
    case Encoding::Text:
    case Encoding::IntegerFromText: As<ui::Edit>(control).setText(stored.text); break;
    case Encoding::VolumeText:
        As<ui::TrackBar>(control).setPosition(VolumePosition(stored.text));
        break;
    case Encoding::VideoResolution:
        // A resolution not in the list stays in the box as it is stored.
        As<ui::ComboBox>(control).text = stored.text;
        break;
    case Encoding::ZeroOrOne:
        As<ui::RadioGroupBox>(control).setItemIndex(ZeroOrOneIndex(stored.text));
        break;
    case Encoding::ForceFeedback:
        As<ui::RadioGroupBox>(control).setItemIndex(ForceFeedbackIndex(stored.text));
        break;
    case Encoding::RateOfFire:
        As<ui::ComboBox>(control).setItemIndex(RateOfFireIndex(stored.number));
        break;
    case Encoding::MapZoom:
        As<ui::ComboBox>(control).setItemIndex(MapZoomIndex(stored.text));
        break;
    }
}

void SettingsForm::FormCreate() {
    struct Version {
        ui::Label& label;
        std::string_view game;
        std::string_view value;
        bool found;
    };
    for (const auto& [label, game, value, found] :
         {Version{lblRSver, "Rogue Spear", "Version", session_.rogueSpear},
          Version{lblUOver, "Urban Ops", "VersionUO", session_.urbanOps},
          Version{lblCOver, "Covert Ops", "VersionCO", session_.covertOps}}) {
        std::string text;
        if (!session_.gameKeyPath.empty())
            text = guardedRead(value, std::string(),
                               [&, name = value] { return session_.gameString(name); });
        label.caption = std::string(game) + ": " + (text.empty() ? "Unknown" : text);
        if (!found)
            label.caption = std::string(game) + " Not Found";
    }
    unloaded_.clear();
}

void SettingsForm::LoadSettings() {
    base::FlagScope loading(loading_);
    unloaded_.clear();
    const auto& store = session_.store;

    TelnetProgram = launcherString(keys::Telnet);
    if (TelnetProgram.empty())
        TelnetProgram = kDefaultTelnet;
    // Selecting Custom here only shows the choice: the program chooser is for the player.
    (TelnetProgram == kDefaultTelnet ? rbDefault : rbCustom).select();

    // The launch swaps the buttons only for "FALSE": anything else, a missing value too, is
    // the code turned off.
    chkDisableMouse.setChecked(launcherString(keys::DisableMouse) != kFalse);

    for (std::size_t button = 0; button < buttons_.size(); ++button) {
        const auto value = kButtonAssignments[button];
        const auto stored = guardedRead(value, std::int32_t{-1}, [&] {
            return store.ReadRegInteger(RootKey::CurrentUser, kLauncherKey, value);
        });
        buttons_[button]->setItemIndex(stored == -1 ? static_cast<int>(button) : stored);
    }

    if (urbanOpsFound()) {
        for (const auto& setting : kGameSettings)
            if (setting.urbanOpsOnly())
                loadGame(setting);
    } else {
        disableUrbanOps();
    }

    chkCloseAB.setChecked(launcherString(keys::CloseAddressBook) == kTrue);

    auto hideCovertOps = launcherString(keys::HideCOE);
    if (hideCovertOps.empty() && !unloaded_.contains(keys::HideCOE)) {
        if (!session_.store.TryWriteRegString(RootKey::CurrentUser, kLauncherKey, keys::HideCOE,
                                              kTrue))
            report("Failed to set data for '" + std::string(keys::HideCOE) + "'");
        hideCovertOps = launcherString(keys::HideCOE);
    }
    // Still empty when it could not be written: missing hides the folder all the same.
    chkHideCO.setChecked(hideCovertOps == kTrue || hideCovertOps.empty());

    chkDisablePing.setChecked(launcherString(keys::DisablePing) == kTrue);

    for (const auto& [box, value] :
         {std::pair{&chkMouseCheck, keys::CheckMouseConfig}, std::pair{&chkUseWiz, keys::Wizard},
          std::pair{&chkClose, keys::CloseOnLaunch}}) {
        box->setChecked(guardedRead(value, false, [&, name = value] {
            return store.ReadRegFlag(RootKey::CurrentUser, kLauncherKey, name);
        }));
    }

    for (const auto& setting : kGameSettings)
        if (!setting.urbanOpsOnly())
            loadGame(setting);

    btnSave.enabled = false;
}

void SettingsForm::disableUrbanOps() {
    tsUrbanOps.enabled = false;
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &txtUOServerName, &txtUOMOTD, &cbROF, &cbMapZoom, &chkDisplayTime, &chkReticuleKnock,
             &chkThirdPerson, &gbFFB, &chkCoverWindow})
        control->enabled = false;
    txtUOServerName.color = txtUOMOTD.color = ui::kSilver;
    cbROF.color = cbMapZoom.color = ui::kSilver;
}

// Saving

std::optional<SettingsForm::Stored> SettingsForm::storedForm(const GameSetting& setting) {
    auto& control = *findControl(setting.control);
    const auto text = [](std::optional<std::string> stored) -> std::optional<Stored> {
        if (!stored)
            return std::nullopt;
        return Stored{std::move(*stored)};
    };
    switch (setting.encoding) {
    case Encoding::TextBoolean:
        return Stored{std::string(config::TextBoolean(As<ui::CheckBox>(control).checked()))};
    case Encoding::Text:
    case Encoding::IntegerFromText: return Stored{As<ui::Edit>(control).text};
    case Encoding::VolumeText: return Stored{VolumeText(As<ui::TrackBar>(control).position())};
    case Encoding::VideoResolution:
        return text(VideoResolutionText(As<ui::ComboBox>(control).text));
    case Encoding::ZeroOrOne:
        return Stored{ZeroOrOneText(As<ui::RadioGroupBox>(control).itemIndex())};
    case Encoding::ForceFeedback:
        return Stored{ForceFeedbackText(As<ui::RadioGroupBox>(control).itemIndex())};
    case Encoding::RateOfFire:
        if (const auto number = RateOfFireStored(As<ui::ComboBox>(control).itemIndex()))
            return Stored{{}, *number};
        return std::nullopt;
    case Encoding::MapZoom: return text(MapZoomText(As<ui::ComboBox>(control).itemIndex()));
    }
    return std::nullopt;
}

bool SettingsForm::put(RootKey root, std::string_view key, std::string_view value, WriteCall call,
                       const Stored& stored) {
    if (unloaded_.contains(value))
        return true;
    auto& store = session_.store;
    bool written = false;
    switch (call) {
    case WriteCall::WriteRegString:
        written = store.TryWriteRegString(root, key, value, stored.text);
        break;
    case WriteCall::WriteRegInteger:
        written = store.TryWriteRegInteger(root, key, value, stored.number);
        break;
    case WriteCall::WriteRegIntegerFromText:
        written = store.TryWriteRegIntegerFromText(root, key, value, stored.text);
        break;
    }
    if (!written)
        report("Failed to set data for '" + std::string(value) + "'");
    return written;
}

bool SettingsForm::putLauncherString(std::string_view value, std::string_view text) {
    return put(RootKey::CurrentUser, kLauncherKey, value, WriteCall::WriteRegString,
               Stored{std::string(text)});
}

bool SettingsForm::putLauncherInteger(std::string_view value, std::int32_t number) {
    return put(RootKey::CurrentUser, kLauncherKey, value, WriteCall::WriteRegInteger,
               Stored{{}, number});
}

bool SettingsForm::putLauncherFlag(std::string_view value, bool flag) {
    if (unloaded_.contains(value))
        return true;
    if (session_.store.TryWriteRegFlag(RootKey::CurrentUser, kLauncherKey, value, flag))
        return true;
    report("Failed to set data for '" + std::string(value) + "'");
    return false;
}

bool SettingsForm::saveLauncherValues() {
    if (!putLauncherString(keys::DisableMouse, config::TextBoolean(chkDisableMouse.checked())))
        return false;
    if (rbDefault.selected())
        TelnetProgram = kDefaultTelnet;
    if (!putLauncherString(keys::Telnet, TelnetProgram))
        return false;
    for (std::size_t button = 0; button < buttons_.size(); ++button)
        if (!putLauncherInteger(kButtonAssignments[button], buttons_[button]->itemIndex()))
            return false;

    const bool pingDisabled = chkDisablePing.checked();
    if (!putLauncherString(keys::DisablePing, config::TextBoolean(pingDisabled)))
        return false;
    session_.PingDisabled = pingDisabled;
    const auto& ping = pingDisabled ? onStopPingMonitor : onStartPingMonitor;
    if (ping)
        ping();

    return putLauncherString(keys::CloseAddressBook, config::TextBoolean(chkCloseAB.checked())) &&
           putLauncherString(keys::HideCOE, config::TextBoolean(chkHideCO.checked())) &&
           putLauncherFlag(keys::CheckMouseConfig, chkMouseCheck.checked()) &&
           putLauncherFlag(keys::Wizard, chkUseWiz.checked()) &&
           putLauncherFlag(keys::CloseOnLaunch, chkClose.checked());
}

bool SettingsForm::saveGameValues() {
    // Never into the root of the machine's keys.
    if (session_.gameKeyPath.empty())
        return true;
    const bool urbanOps = urbanOpsFound();
    for (const auto value : kSaveOrder) {
        const auto& setting = *FindGameSetting(value);
        if (setting.urbanOpsOnly() && !urbanOps)
            continue;
        const auto stored = storedForm(setting);
        if (stored && !put(RootKey::LocalMachine, session_.gameKeyPath, value,
                           CallsOf(setting.encoding).write, *stored))
            return false;
    }
    return true;
}

bool SettingsForm::SaveSettings() {
    btnSave.enabled = false;
    if (saveLauncherValues() && saveGameValues())
        return true;
    // The values before the failing one are written; the player may try again.
    btnSave.enabled = true;
    return false;
}

// Reactions

void SettingsForm::btnOkClick() {
    if (!SaveSettings())
        return;
    // The mod list again, so that a changed "HideCOE" shows.
    if (onRestoreLastMod)
        onRestoreLastMod();
    close();
}

void SettingsForm::btnSaveClick() {
    SaveSettings();
}

void SettingsForm::btnCancelClick() {
    close();
}

void SettingsForm::chkDisableMouseClick() {
    if (chkDisableMouse.checked()) {
        chkMouseCheck.setChecked(true);
        chkMouseCheck.enabled = false;
    } else {
        chkMouseCheck.enabled = true;
    }
    changed(keys::DisableMouse);
}

void SettingsForm::chkCloseClick() {
    // A launcher that closes with the game cannot put the mouse buttons back.
    if (chkClose.checked()) {
        chkDisableMouse.setChecked(true);
        chkMouseCheck.setChecked(true);
        chkDisableMouse.enabled = chkMouseCheck.enabled = false;
    } else {
        chkDisableMouse.enabled = chkMouseCheck.enabled = true;
    }
    changed(keys::CloseOnLaunch);
}

void SettingsForm::rbCustomClick() {
    if (loading_)
        return;
    if (rbCustom.selected())
        chooseTelnetProgram();
    changed(keys::Telnet);
}

void SettingsForm::chooseTelnetProgram() {
    platform::OpenFileRequest request{"Programs|*.exe; *.com; *.bat", "exe",
                                      TelnetProgram == kDefaultTelnet ? "" : TelnetProgram};
    auto result = dialogs_.openFile(request);
    // A stored name the dialog will not start with must not lock the player out of choosing.
    if (result.outcome == platform::OpenFileOutcome::NameRefused && !request.fileName.empty()) {
        request.fileName.clear();
        result = dialogs_.openFile(request);
    }
    if (result.outcome == platform::OpenFileOutcome::Chosen)
        TelnetProgram = result.path;
}

void SettingsForm::rbDefaultClick() {
    changed(keys::Telnet);
}

void SettingsForm::pmTelnetPopup() {
    Configure1.enabled = rbCustom.selected();
}

void SettingsForm::ButtonChange(std::size_t button) {
    changed(kButtonAssignments[button]);
    if (loading_)
        return;
    const auto message = [this](std::string text) {
        dialogs_.showMessage(
            {std::move(text), "Mouse Button Error!", platform::MessageButtons::Ok});
    };
    const int index = buttons_[button]->itemIndex();
    for (std::size_t other = 0; other < buttons_.size(); ++other) {
        if (other != button && buttons_[other]->itemIndex() == index) {
            message("No two buttons can share the same function.");
            break;
        }
    }
    if (std::none_of(buttons_.begin(), buttons_.end(),
                     [](const ui::ComboBox* list) { return list->itemIndex() == 0; }))
        message("At least one button MUST be assigned to the \"Click\" function.");
}

void SettingsForm::WhatsThis1Click() {
    if (const auto* control = PopupHelp.popupComponent())
        if (const int context = WhatsThisContext(*control))
            help_.showPopup(application_.helpFile, context);
}

void SettingsForm::WhatsThis2Click() {
    help_.showPopup(application_.helpFile, WhatsThisContext(rbCustom));
}

void SettingsForm::showHelp(const ui::Control* focused) {
    int context = focused ? focused->helpContext : 0;
    if (!context && PageControl1.activePage())
        context = PageControl1.activePage()->helpContext;
    help_.showTopic(application_.helpFile, context ? context : kSettingsHelp);
}

} // namespace quarl::settings
