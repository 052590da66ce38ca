#pragma once

#include <array>
#include <string_view>

// The settings window's help: the topics F1 opens and the short texts "What's This?" shows.
namespace quarl::settings {

// The window's own topic, for the pages and controls that have none.
inline constexpr int kSettingsHelp = 300;

struct HelpContext {
    std::string_view control;
    int context;
};

// F1 on these pages and controls opens their topic.
inline constexpr std::array<HelpContext, 16> kTopics{{
    {"tsMouse", 303},
    {"tsGeneral", 304},
    {"tsSound", 3200},
    {"tsGraphics", 3300},
    {"tsMPGame", 3400},
    {"tsMPServer", 3500},
    {"chkDisablePing", 3011},
    {"chkDisableMouse", 3012},
    {"chkPlayMovies", 3040},
    {"chkPlaySplash", 3041},
    {"chkGore", 3042},
    {"chkUnlimitedPractice", 3043},
    {"chkAutoTarget", 3044},
    {"chkAlwaysRun", 3045},
    {"chkRecordMission", 3046},
    {"chkInvertMouse", 3047},
}};

// "What's This?" on these controls shows the pop-up text of their number.
inline constexpr std::array<HelpContext, 69> kWhatsThis{{
    {"chkDisablePing", 3011},
    {"chkDisableMouse", 3012},
    {"chkClose", 3013},
    {"chkCloseAB", 3014},
    {"chkUseWiz", 3015},
    {"chkMouseCheck", 3016},
    {"rbDefault", 3017},
    {"rbCustom", 3018},
    {"chkHideCO", 3019},

    {"chkPlayMovies", 3040},
    {"chkPlaySplash", 3041},
    {"chkGore", 3042},
    {"chkUnlimitedPractice", 3043},
    {"chkAutoTarget", 3044},
    {"chkAlwaysRun", 3045},
    {"chkRecordMission", 3046},
    {"chkInvertMouse", 3047},

    {"chkMasterSoundOn", 3050},
    {"chkAmbientSoundOn", 3051},
    {"chkGunshotSoundOn", 3052},
    {"chkFootstepSoundOn", 3053},
    {"chkRadioChatterSoundOn", 3054},
    {"chkUISoundOn", 3055},
    {"chkActionMusicOn", 3056},
    {"chkCDMusicOn", 3057},
    {"chkUseMaxSounds", 3058},

    {"chkSoftwareOnly", 3060},
    {"chkFullScreen", 3061},
    {"chkShowSky", 3062},
    {"chkShowWeatherFX", 3063},
    {"chkMIPSkip", 3064},
    {"chkCharacterShadows", 3065},
    {"chkRetainGunModels", 3066},
    {"chkUseActionGamma", 3067},
    {"chkShowTooltips", 3068},
    {"chkShowFog", 3069},
    {"chkLODSkip", 3070},
    {"chkDynamicLighting", 3071},
    {"chkProjectedTextures", 3072},
    {"lblVideoResoultion", 3073},

    {"lblPlayerName", 3080},
    {"lblClanName", 3081},
    {"chkMultiplayerBehindFirewall", 3082},
    {"chkMultiplayerUseArmPatch", 3083},
    {"rgConnection", 3084},
    {"rgGender", 3085},
    {"lblManJoinAddr", 3086},
    {"lblManJoinPort", 3087},

    {"lblServerName", 3090},
    {"lblMOTD", 3091},
    {"chkMultiplayerAllowArmPatch", 3092},
    {"chkMultiplayerLoudFootsteps", 3093},
    {"chkMultiplayerDisplayNamesOnMap", 3094},
    {"chkMultiplayerAnnounceGames", 3095},
    {"chkMultiplayerForceFog", 3096},
    {"chkMultiplayerForceWeatherFX", 3097},
    {"chkMultiplayerRequirePassword", 3098},
    {"gbPorts", 3099},
    {"lblJoin", 4000},
    {"lblInfo", 4001},
    {"lblAnn", 4002},

    {"chkDisplayTime", 4010},
    {"chkCoverWindow", 4011},
    {"lblROF", 4012},
    {"lblMapZoom", 4013},
    {"chkReticuleKnock", 4014},
    {"chkThirdPerson", 4015},
    // The Urban Ops server fields share the topics of the server page's.
    {"lblUOServerName", 3090},
    {"lblUOMOTD", 3091},
}};

// The text of a pop-up topic; empty for a number that has none.
std::string_view PopupText(int context);

} // namespace quarl::settings
