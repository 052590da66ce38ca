#include "win32ui/SettingsView.h"

#include "platform/win32/Text.h"
#include "settings/SettingsForm.h"
#include "win32ui/SettingsViewIds.h"
#include "win32ui/ViewHost.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/CheckBoxBinding.h"
#include "win32ui/bindings/ComboBoxBinding.h"
#include "win32ui/bindings/EditBinding.h"
#include "win32ui/bindings/GroupBoxBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/PageControlBinding.h"
#include "win32ui/bindings/RadioButtonBinding.h"
#include "win32ui/bindings/RadioGroupBoxBinding.h"
#include "win32ui/bindings/TabSheetBinding.h"
#include "win32ui/bindings/TrackBarBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

constexpr std::array<int, 8> kPageTemplates{
    IDD_SETTINGS_LAUNCHER, IDD_SETTINGS_MOUSE,  IDD_SETTINGS_GENERAL,  IDD_SETTINGS_SOUND,
    IDD_SETTINGS_GRAPHICS, IDD_SETTINGS_MPGAME, IDD_SETTINGS_MPSERVER, IDD_SETTINGS_URBANOPS};

} // namespace

SettingsView::SettingsView(ViewHost& host, settings::SettingsForm& form)
    : FormView(host, form, IDD_SETTINGS), form_(form) {}

void SettingsView::onCreate() {
    setLauncherIcon();
    sizeClientArea(405, 335, true);
    layOut();
    createPages();
    bindControls();
    addTooltips();
}

// The buttons in the bottom right corner, the tab control over the rest: the template's
// dialog units do not come out at the window's exact pixel size.
void SettingsView::layOut() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int margin = MulDiv(6, dpi(), 96);
    RECT button;
    GetWindowRect(GetDlgItem(hwnd(), IDC_BTN_OK), &button);
    const int width = button.right - button.left;
    const int height = button.bottom - button.top;
    const int top = client.bottom - margin - height;
    int left = client.right - margin - width;
    for (int id : {IDC_BTN_APPLY, IDC_BTN_CANCEL, IDC_BTN_OK}) {
        SetWindowPos(GetDlgItem(hwnd(), id), nullptr, left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        left -= width + margin;
    }
    SetWindowPos(GetDlgItem(hwnd(), IDC_TAB_SETTINGS), nullptr, margin, margin,
                 client.right - 2 * margin, top - 2 * margin, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsView::createPages() {
    for (std::size_t page = 0; page < kPageTemplates.size(); ++page)
        createPage(kPageTemplates[page], IDC_PAGE_LAUNCHER + static_cast<int>(page));
}

void SettingsView::bindControls() {
    auto& f = form_;
    add(IDC_BTN_OK, f.btnOk);
    add(IDC_BTN_CANCEL, f.btnCancel);
    add(IDC_BTN_APPLY, f.btnSave);

    add(IDC_CHK_DISABLEPING, f.chkDisablePing);
    add(IDC_CHK_CLOSEAB, f.chkCloseAB);
    add(IDC_CHK_USEWIZ, f.chkUseWiz);
    add(IDC_CHK_HIDECO, f.chkHideCO);
    add(IDC_CHK_DISABLEMOUSE, f.chkDisableMouse);
    add(IDC_CHK_MOUSECHECK, f.chkMouseCheck);
    add(IDC_CHK_CLOSE, f.chkClose);
    add(IDC_GRP_TELNET, f.gbTelnet);
    add(IDC_RB_DEFAULT, f.rbDefault);
    add(IDC_RB_CUSTOM, f.rbCustom);
    add(IDC_GRP_VERSIONS, f.gbVersions);
    add(IDC_LBL_RSVER, f.lblRSver);
    add(IDC_LBL_UOVER, f.lblUOver);
    add(IDC_LBL_COVER, f.lblCOver);

    add(IDC_LBL_BUTTON1, f.lblButton1);
    add(IDC_LBL_BUTTON2, f.lblButton2);
    add(IDC_LBL_BUTTON3, f.lblButton3);
    add(IDC_LBL_BUTTON4, f.lblButton4);
    add(IDC_LBL_BUTTON5, f.lblButton5);
    add(IDC_CB_BUTTON1, f.Button1);
    add(IDC_CB_BUTTON2, f.Button2);
    add(IDC_CB_BUTTON3, f.Button3);
    add(IDC_CB_BUTTON4, f.Button4);
    add(IDC_CB_BUTTON5, f.Button5);
    add(IDC_LBL_INGAMEONLY, f.lblInGameOnly);
    add(IDC_LBL_INTELLIPOINT, f.lblIntelliPoint);

    add(IDC_CHK_PLAYMOVIES, f.chkPlayMovies);
    add(IDC_CHK_PLAYSPLASH, f.chkPlaySplash);
    add(IDC_CHK_GORE, f.chkGore);
    add(IDC_CHK_UNLIMITEDPRACTICE, f.chkUnlimitedPractice);
    add(IDC_CHK_AUTOTARGET, f.chkAutoTarget);
    add(IDC_CHK_ALWAYSRUN, f.chkAlwaysRun);
    add(IDC_CHK_RECORDMISSION, f.chkRecordMission);
    add(IDC_CHK_INVERTMOUSE, f.chkInvertMouse);

    add(IDC_CHK_MASTERSOUND, f.chkMasterSoundOn);
    add(IDC_TRK_MASTERSOUND, f.MasterSoundVolume);
    add(IDC_CHK_AMBIENTSOUND, f.chkAmbientSoundOn);
    add(IDC_TRK_AMBIENTSOUND, f.AmbientSoundVolume);
    add(IDC_CHK_GUNSHOTSOUND, f.chkGunshotSoundOn);
    add(IDC_TRK_GUNSHOTSOUND, f.GunshotSoundVolume);
    add(IDC_CHK_FOOTSTEPSOUND, f.chkFootstepSoundOn);
    add(IDC_TRK_FOOTSTEPSOUND, f.FootstepSoundVolume);
    add(IDC_CHK_RADIOCHATTERSOUND, f.chkRadioChatterSoundOn);
    add(IDC_TRK_RADIOCHATTERSOUND, f.RadioChatterSoundVolume);
    add(IDC_CHK_UISOUND, f.chkUISoundOn);
    add(IDC_TRK_UISOUND, f.UISoundVolume);
    add(IDC_CHK_ACTIONMUSIC, f.chkActionMusicOn);
    add(IDC_TRK_ACTIONMUSIC, f.ActionMusicVolume);
    add(IDC_CHK_CDMUSIC, f.chkCDMusicOn);
    add(IDC_CHK_USEMAXSOUNDS, f.chkUseMaxSounds);

    add(IDC_CHK_SOFTWAREONLY, f.chkSoftwareOnly);
    add(IDC_CHK_FULLSCREEN, f.chkFullScreen);
    add(IDC_CHK_USEACTIONGAMMA, f.chkUseActionGamma);
    add(IDC_CHK_SHOWTOOLTIPS, f.chkShowTooltips);
    add(IDC_CHK_SHOWSKY, f.chkShowSky);
    add(IDC_CHK_SHOWFOG, f.chkShowFog);
    add(IDC_CHK_SHOWWEATHERFX, f.chkShowWeatherFX);
    add(IDC_CHK_LODSKIP, f.chkLODSkip);
    add(IDC_CHK_MIPSKIP, f.chkMIPSkip);
    add(IDC_CHK_DYNAMICLIGHTING, f.chkDynamicLighting);
    add(IDC_CHK_CHARACTERSHADOWS, f.chkCharacterShadows);
    add(IDC_CHK_PROJECTEDTEXTURES, f.chkProjectedTextures);
    add(IDC_CHK_RETAINGUNMODELS, f.chkRetainGunModels);
    add(IDC_LBL_VIDEORESOLUTION, f.lblVideoResoultion);
    add(IDC_CB_VIDEORESOLUTION, f.cbVideoResolution);

    add(IDC_LBL_PLAYERNAME, f.lblPlayerName);
    add(IDC_EDT_PLAYERNAME, f.txtPlayerName);
    add(IDC_LBL_CLANNAME, f.lblClanName);
    add(IDC_EDT_CLANNAME, f.txtClanName);
    add(IDC_CHK_BEHINDFIREWALL, f.chkMultiplayerBehindFirewall);
    add(IDC_CHK_USEARMPATCH, f.chkMultiplayerUseArmPatch);
    add(IDC_RG_CONNECTION, f.rgConnection);
    add(IDC_RG_GENDER, f.rgGender);
    add(IDC_LBL_MANJOINADDR, f.lblManJoinAddr);
    add(IDC_EDT_MANJOINADDR, f.txtMultiplayerManualHostAddress);
    add(IDC_LBL_MANJOINPORT, f.lblManJoinPort);
    add(IDC_EDT_MANJOINPORT, f.txtMultiplayerManualJoinPort);

    add(IDC_LBL_SERVERNAME, f.lblServerName);
    add(IDC_EDT_SERVERNAME, f.txtMultiplayerServerName);
    add(IDC_LBL_MOTD, f.lblMOTD);
    add(IDC_EDT_MOTD, f.txtMultiplayerMessageName);
    add(IDC_CHK_REQUIREPASSWORD, f.chkMultiplayerRequirePassword);
    add(IDC_EDT_PASSWORD, f.txtMultiplayerPassword);
    add(IDC_CHK_ALLOWARMPATCH, f.chkMultiplayerAllowArmPatch);
    add(IDC_CHK_LOUDFOOTSTEPS, f.chkMultiplayerLoudFootsteps);
    add(IDC_CHK_DISPLAYNAMESONMAP, f.chkMultiplayerDisplayNamesOnMap);
    add(IDC_CHK_ANNOUNCEGAMES, f.chkMultiplayerAnnounceGames);
    add(IDC_CHK_FORCEFOG, f.chkMultiplayerForceFog);
    add(IDC_CHK_FORCEWEATHERFX, f.chkMultiplayerForceWeatherFX);
    add(IDC_GRP_PORTS, f.gbPorts);
    add(IDC_LBL_JOIN, f.lblJoin);
    add(IDC_EDT_JOINPORT, f.txtMultiplayerGameJoinPort);
    add(IDC_LBL_INFO, f.lblInfo);
    add(IDC_EDT_INFOPORT, f.txtMultiplayerGameInfoPort);
    add(IDC_LBL_ANN, f.lblAnn);
    add(IDC_EDT_ANNOUNCEPORT, f.txtMultiplayerGameAnnouncePort);

    add(IDC_CHK_DISPLAYTIME, f.chkDisplayTime);
    add(IDC_CHK_COVERWINDOW, f.chkCoverWindow);
    add(IDC_RG_FFB, f.gbFFB);
    add(IDC_LBL_ROF, f.lblROF);
    add(IDC_CB_ROF, f.cbROF);
    add(IDC_LBL_MAPZOOM, f.lblMapZoom);
    add(IDC_CB_MAPZOOM, f.cbMapZoom);
    add(IDC_GRP_UOMULTIPLAYER, f.gbUOMultiplayer);
    add(IDC_LBL_UOSERVERNAME, f.lblUOServerName);
    add(IDC_EDT_UOSERVERNAME, f.txtUOServerName);
    add(IDC_LBL_UOMOTD, f.lblUOMOTD);
    add(IDC_EDT_UOMOTD, f.txtUOMOTD);
    add(IDC_CHK_RETICULEKNOCK, f.chkReticuleKnock);
    add(IDC_CHK_THIRDPERSON, f.chkThirdPerson);

    // The pages before their page control, which shows the active one over them.
    for (std::size_t page = 0; page < f.PageControl1.pages.size(); ++page)
        add(IDC_PAGE_LAUNCHER + static_cast<int>(page), *f.PageControl1.pages[page]);
    add(IDC_TAB_SETTINGS, f.PageControl1);
}

void SettingsView::addTooltips() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const auto& [id, control] : bound_) {
        if (control->hint.empty())
            continue;
        auto text = platform::win32::Widen(control->hint);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(findItem(id));
        tool.lpszText = text.data();
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool SettingsView::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_HELP)
        return false;
    const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
    const HWND focus = info && info->iContextType == HELPINFO_WINDOW
                           ? static_cast<HWND>(info->hItemHandle)
                           : GetFocus();
    host_.pullTexts();
    form_.showHelp(controlOf(focus));
    host_.reconcileAll();
    result = TRUE;
    return true;
}

} // namespace quarl::win32ui
