#pragma once

#include "config/Session.h"
#include "platform/Platform.h"
#include "settings/GameSettings.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarl::settings {

// The launcher key's values of the Mouse page, for Button1 to Button5.
inline constexpr std::array<std::string_view, 5> kButtonAssignments{
    "L_BtnAssignment", "R_BtnAssignment", "M_BtnAssignment", "4_BtnAssignment", "5_BtnAssignment"};

// frmSettings: the launcher's own options and the game's settings on eight pages. Shown over
// the main window, which is hidden and disabled until it closes; every showing loads the
// controls from the registry, and "&Ok" or "&Apply" saves them.
class SettingsForm final : public ui::Form {
public:
    SettingsForm(platform::Platform& platform, config::Session& session,
                 const ui::Application& application);

    // Calls out of the settings subsystem: the ping monitor and the main window's mod list.
    ui::Handler onStopPingMonitor;
    ui::Handler onStartPingMonitor;
    ui::Handler onRestoreLastMod;

    // Once, at program start, after the main window has found the games: the versions box.
    void FormCreate();
    void LoadSettings();
    // False when a write failed: the save stopped there and the window is still dirty.
    bool SaveSettings();

    void btnOkClick();
    void btnSaveClick();
    void btnCancelClick();
    void chkDisableMouseClick();
    void chkCloseClick();
    void rbCustomClick();
    void rbDefaultClick();
    void pmTelnetPopup();
    void ButtonChange(std::size_t button);
    void WhatsThis1Click();
    void WhatsThis2Click();
    // F1: the topic of the focused control, else of the page shown, else of the window.
    void showHelp(const ui::Control* focused);

    // A control of the window by its name; nullptr for none.
    ui::Control* findControl(std::string_view controlName);
    // The "What's This?" topic of a control; 0 for none.
    static int WhatsThisContext(const ui::Control& control);

    // "DEFAULT" or the telnet program the player chose; written to "Telnet" by the save.
    std::string TelnetProgram = "DEFAULT";

    ui::PageControl PageControl1{"PageControl1"};
    ui::TabSheet tsLauncher{"tsLauncher"};
    ui::TabSheet tsMouse{"tsMouse"};
    ui::TabSheet tsGeneral{"tsGeneral"};
    ui::TabSheet tsSound{"tsSound"};
    ui::TabSheet tsGraphics{"tsGraphics"};
    ui::TabSheet tsMPGame{"tsMPGame"};
    ui::TabSheet tsMPServer{"tsMPServer"};
    ui::TabSheet tsUrbanOps{"tsUrbanOps"};

    ui::Button btnOk{"btnOk"};
    ui::Button btnCancel{"btnCancel"};
    ui::Button btnSave{"btnSave"};

    // Launcher
    ui::CheckBox chkDisablePing{"chkDisablePing"};
    ui::CheckBox chkCloseAB{"chkCloseAB"};
    ui::CheckBox chkUseWiz{"chkUseWiz"};
    ui::CheckBox chkHideCO{"chkHideCO"};
    ui::CheckBox chkDisableMouse{"chkDisableMouse"};
    ui::CheckBox chkMouseCheck{"chkMouseCheck"};
    ui::CheckBox chkClose{"chkClose"};
    ui::GroupBox gbTelnet{"gbTelnet"};
    ui::RadioGroup telnetGroup;
    ui::RadioButton rbDefault{"rbDefault", telnetGroup};
    ui::RadioButton rbCustom{"rbCustom", telnetGroup};
    ui::GroupBox gbVersions{"gbVersions"};
    ui::Label lblRSver{"lblRSver"};
    ui::Label lblUOver{"lblUOver"};
    ui::Label lblCOver{"lblCOver"};

    // Mouse
    ui::Label lblButton1{"lblButton1"};
    ui::Label lblButton2{"lblButton2"};
    ui::Label lblButton3{"lblButton3"};
    ui::Label lblButton4{"lblButton4"};
    ui::Label lblButton5{"lblButton5"};
    ui::ComboBox Button1{"Button1"};
    ui::ComboBox Button2{"Button2"};
    ui::ComboBox Button3{"Button3"};
    ui::ComboBox Button4{"Button4"};
    ui::ComboBox Button5{"Button5"};
    ui::Label lblInGameOnly{"lblInGameOnly"};
    ui::Label lblIntelliPoint{"lblIntelliPoint"};

    // General
    ui::CheckBox chkPlayMovies{"chkPlayMovies"};
    ui::CheckBox chkPlaySplash{"chkPlaySplash"};
    ui::CheckBox chkGore{"chkGore"};
    ui::CheckBox chkUnlimitedPractice{"chkUnlimitedPractice"};
    ui::CheckBox chkAutoTarget{"chkAutoTarget"};
    ui::CheckBox chkAlwaysRun{"chkAlwaysRun"};
    ui::CheckBox chkRecordMission{"chkRecordMission"};
    ui::CheckBox chkInvertMouse{"chkInvertMouse"};

    // Sound: each box whose value ends in On sits in a row with its track bar.
    ui::CheckBox chkMasterSoundOn{"chkMasterSoundOn"};
    ui::TrackBar MasterSoundVolume{"MasterSoundVolume"};
    ui::CheckBox chkAmbientSoundOn{"chkAmbientSoundOn"};
    ui::TrackBar AmbientSoundVolume{"AmbientSoundVolume"};
    ui::CheckBox chkGunshotSoundOn{"chkGunshotSoundOn"};
    ui::TrackBar GunshotSoundVolume{"GunshotSoundVolume"};
    ui::CheckBox chkFootstepSoundOn{"chkFootstepSoundOn"};
    ui::TrackBar FootstepSoundVolume{"FootstepSoundVolume"};
    ui::CheckBox chkRadioChatterSoundOn{"chkRadioChatterSoundOn"};
    ui::TrackBar RadioChatterSoundVolume{"RadioChatterSoundVolume"};
    ui::CheckBox chkUISoundOn{"chkUISoundOn"};
    ui::TrackBar UISoundVolume{"UISoundVolume"};
    ui::CheckBox chkActionMusicOn{"chkActionMusicOn"};
    ui::TrackBar ActionMusicVolume{"ActionMusicVolume"};
    ui::CheckBox chkCDMusicOn{"chkCDMusicOn"};
    ui::CheckBox chkUseMaxSounds{"chkUseMaxSounds"};

    // Graphics
    ui::CheckBox chkSoftwareOnly{"chkSoftwareOnly"};
    ui::CheckBox chkFullScreen{"chkFullScreen"};
    ui::CheckBox chkUseActionGamma{"chkUseActionGamma"};
    ui::CheckBox chkShowTooltips{"chkShowTooltips"};
    ui::CheckBox chkShowSky{"chkShowSky"};
    ui::CheckBox chkShowFog{"chkShowFog"};
    ui::CheckBox chkShowWeatherFX{"chkShowWeatherFX"};
    ui::CheckBox chkLODSkip{"chkLODSkip"};
    ui::CheckBox chkMIPSkip{"chkMIPSkip"};
    ui::CheckBox chkDynamicLighting{"chkDynamicLighting"};
    ui::CheckBox chkCharacterShadows{"chkCharacterShadows"};
    ui::CheckBox chkProjectedTextures{"chkProjectedTextures"};
    ui::CheckBox chkRetainGunModels{"chkRetainGunModels"};
    ui::Label lblVideoResoultion{"lblVideoResoultion"};
    ui::ComboBox cbVideoResolution{"cbVideoResolution"};

    // MP Game
    ui::Label lblPlayerName{"lblPlayerName"};
    ui::Edit txtPlayerName{"txtPlayerName"};
    ui::Label lblClanName{"lblClanName"};
    ui::Edit txtClanName{"txtClanName"};
    ui::CheckBox chkMultiplayerBehindFirewall{"chkMultiplayerBehindFirewall"};
    ui::CheckBox chkMultiplayerUseArmPatch{"chkMultiplayerUseArmPatch"};
    ui::RadioGroupBox rgConnection{"rgConnection"};
    ui::RadioGroupBox rgGender{"rgGender"};
    ui::Label lblManJoinAddr{"lblManJoinAddr"};
    ui::Edit txtMultiplayerManualHostAddress{"txtMultiplayerManualHostAddress"};
    ui::Label lblManJoinPort{"lblManJoinPort"};
    ui::Edit txtMultiplayerManualJoinPort{"txtMultiplayerManualJoinPort"};

    // MP Server
    ui::Label lblServerName{"lblServerName"};
    ui::Edit txtMultiplayerServerName{"txtMultiplayerServerName"};
    ui::Label lblMOTD{"lblMOTD"};
    ui::Edit txtMultiplayerMessageName{"txtMultiplayerMessageName"};
    ui::CheckBox chkMultiplayerRequirePassword{"chkMultiplayerRequirePassword"};
    ui::Edit txtMultiplayerPassword{"txtMultiplayerPassword"};
    ui::CheckBox chkMultiplayerAllowArmPatch{"chkMultiplayerAllowArmPatch"};
    ui::CheckBox chkMultiplayerLoudFootsteps{"chkMultiplayerLoudFootsteps"};
    ui::CheckBox chkMultiplayerDisplayNamesOnMap{"chkMultiplayerDisplayNamesOnMap"};
    ui::CheckBox chkMultiplayerAnnounceGames{"chkMultiplayerAnnounceGames"};
    ui::CheckBox chkMultiplayerForceFog{"chkMultiplayerForceFog"};
    ui::CheckBox chkMultiplayerForceWeatherFX{"chkMultiplayerForceWeatherFX"};
    ui::GroupBox gbPorts{"gbPorts"};
    ui::Label lblJoin{"lblJoin"};
    ui::Edit txtMultiplayerGameJoinPort{"txtMultiplayerGameJoinPort"};
    ui::Label lblInfo{"lblInfo"};
    ui::Edit txtMultiplayerGameInfoPort{"txtMultiplayerGameInfoPort"};
    ui::Label lblAnn{"lblAnn"};
    ui::Edit txtMultiplayerGameAnnouncePort{"txtMultiplayerGameAnnouncePort"};

    // Urban Ops
    ui::CheckBox chkDisplayTime{"chkDisplayTime"};
    ui::CheckBox chkCoverWindow{"chkCoverWindow"};
    ui::RadioGroupBox gbFFB{"gbFFB"};
    ui::Label lblROF{"lblROF"};
    ui::ComboBox cbROF{"cbROF"};
    ui::Label lblMapZoom{"lblMapZoom"};
    ui::ComboBox cbMapZoom{"cbMapZoom"};
    ui::GroupBox gbUOMultiplayer{"gbUOMultiplayer"};
    ui::Label lblUOServerName{"lblUOServerName"};
    ui::Edit txtUOServerName{"txtUOServerName"};
    ui::Label lblUOMOTD{"lblUOMOTD"};
    ui::Edit txtUOMOTD{"txtUOMOTD"};
    ui::CheckBox chkReticuleKnock{"chkReticuleKnock"};
    ui::CheckBox chkThirdPerson{"chkThirdPerson"};

    // "What's This?" on the controls that have a topic; the telnet choice has its own menu.
    ui::PopupMenu PopupHelp;
    ui::MenuItem WhatsThis1{"WhatsThis1"};
    ui::PopupMenu pmTelnet;
    ui::MenuItem Configure1{"Configure1"};
    ui::MenuItem WhatsThis2{"WhatsThis2"};

protected:
    void FormShow() override { LoadSettings(); }

private:
    // A value as a read call returns it: the text, or the integer of ReadRegInteger.
    struct Stored {
        std::string text;
        std::int32_t number = -1;
    };

    void layOutPages();
    void wireHandlers();
    void changed(std::string_view value);
    bool urbanOpsFound() const;
    void disableUrbanOps();
    void chooseTelnetProgram();
    void report(const std::string& text);

    template <class Read>
    auto guardedRead(std::string_view value, decltype(std::declval<Read>()()) missing, Read read);
    std::string launcherString(std::string_view value);
    Stored readGame(const GameSetting& setting);
    void loadGame(const GameSetting& setting);
    std::optional<Stored> storedForm(const GameSetting& setting);

    bool put(platform::RootKey root, std::string_view key, std::string_view value, WriteCall call,
             const Stored& stored);
    bool putLauncherString(std::string_view value, std::string_view text);
    bool putLauncherInteger(std::string_view value, std::int32_t number);
    bool putLauncherFlag(std::string_view value, bool flag);
    bool saveLauncherValues();
    bool saveGameValues();

    platform::Dialogs& dialogs_;
    platform::Help& help_;
    config::Session& session_;
    const ui::Application& application_;
    std::array<ui::ComboBox*, 5> buttons_{&Button1, &Button2, &Button3, &Button4, &Button5};
    bool loading_ = false;
    // The values whose read failed at the last loading and that the player has not changed
    // since: a save leaves them as they are stored.
    std::set<std::string, std::less<>> unloaded_;
    // Every control of the window by name, sorted; filled on the first look-up, when the pages
    // are laid out.
    std::vector<std::pair<std::string_view, ui::Control*>> byName_;
};

} // namespace quarl::settings
