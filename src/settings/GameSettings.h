#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The game's own settings as its registry key holds them: which values there are, how each is
// stored, which control of the settings window shows it, and the conversions between the two.
namespace quarl::settings {

// The settings window's pages, in tab order.
enum class Page { Launcher, Mouse, General, Sound, Graphics, MPGame, MPServer, UrbanOps };

// The store operations a value is read and written with.
enum class ReadCall { ReadRegString, ReadRegInteger, ReadRegIntegerAsText };
enum class WriteCall { WriteRegString, WriteRegInteger, WriteRegIntegerFromText };

// How a value is stored and which kind of control shows it.
enum class Encoding {
    TextBoolean,     // check box; "TRUE" or "FALSE"
    Text,            // edit box; the text as it is
    IntegerFromText, // edit box; a DWORD, written only when the text is an integer
    VolumeText,      // track bar 0 to 20; 5 x position followed by ".000000"
    VideoResolution, // editable drop-down list; the text as it is
    ZeroOrOne,       // radio group; DWORD 0 for the first item, 1 for any other
    ForceFeedback,   // radio group; "TRUE" for the first item, "FALSE" for any other
    RateOfFire,      // drop-down list; DWORD 3 for the first item down to 0 for the last
    MapZoom,         // drop-down list; one zoom text per item
};

struct EncodingCalls {
    Encoding encoding;
    ReadCall read;
    WriteCall write;
};

inline constexpr std::array<EncodingCalls, 9> kEncodings{{
    {Encoding::TextBoolean, ReadCall::ReadRegString, WriteCall::WriteRegString},
    {Encoding::Text, ReadCall::ReadRegString, WriteCall::WriteRegString},
    {Encoding::IntegerFromText, ReadCall::ReadRegIntegerAsText, WriteCall::WriteRegIntegerFromText},
    {Encoding::VolumeText, ReadCall::ReadRegString, WriteCall::WriteRegString},
    {Encoding::VideoResolution, ReadCall::ReadRegString, WriteCall::WriteRegString},
    {Encoding::ZeroOrOne, ReadCall::ReadRegIntegerAsText, WriteCall::WriteRegIntegerFromText},
    {Encoding::ForceFeedback, ReadCall::ReadRegString, WriteCall::WriteRegString},
    {Encoding::RateOfFire, ReadCall::ReadRegInteger, WriteCall::WriteRegInteger},
    {Encoding::MapZoom, ReadCall::ReadRegString, WriteCall::WriteRegString},
}};

constexpr const EncodingCalls& CallsOf(Encoding encoding) {
    for (const auto& calls : kEncodings)
        if (calls.encoding == encoding)
            return calls;
    return kEncodings.front();
}

// One value of the game key.
struct GameSetting {
    std::string_view value;   // the name the game reads, letter for letter
    std::string_view control; // the settings window's control that shows it
    Page page;
    Encoding encoding;
    // Read and written only when Urban Ops or Covert Ops was found.
    constexpr bool urbanOpsOnly() const { return page == Page::UrbanOps; }
};

// Every value, in the order of loading: page by page, each page's values as they stand on it.
inline constexpr std::array<GameSetting, 68> kGameSettings{{
    {"PlayIntroMovie", "chkPlayMovies", Page::General, Encoding::TextBoolean},
    {"PlaySplashMovie", "chkPlaySplash", Page::General, Encoding::TextBoolean},
    {"GoreOn", "chkGore", Page::General, Encoding::TextBoolean},
    {"UnlimitedPractice", "chkUnlimitedPractice", Page::General, Encoding::TextBoolean},
    {"AutoTarget", "chkAutoTarget", Page::General, Encoding::TextBoolean},
    {"AlwaysRun", "chkAlwaysRun", Page::General, Encoding::TextBoolean},
    {"RecordMission", "chkRecordMission", Page::General, Encoding::TextBoolean},
    {"InvertMouse", "chkInvertMouse", Page::General, Encoding::TextBoolean},

    {"MasterSoundOn", "chkMasterSoundOn", Page::Sound, Encoding::TextBoolean},
    {"MasterSoundVolume", "MasterSoundVolume", Page::Sound, Encoding::VolumeText},
    {"AmbientSoundOn", "chkAmbientSoundOn", Page::Sound, Encoding::TextBoolean},
    {"AmbientSoundVolume", "AmbientSoundVolume", Page::Sound, Encoding::VolumeText},
    {"GunshotSoundOn", "chkGunshotSoundOn", Page::Sound, Encoding::TextBoolean},
    {"GunshotSoundVolume", "GunshotSoundVolume", Page::Sound, Encoding::VolumeText},
    {"FootstepSoundOn", "chkFootstepSoundOn", Page::Sound, Encoding::TextBoolean},
    {"FootstepSoundVolume", "FootstepSoundVolume", Page::Sound, Encoding::VolumeText},
    {"RadioChatterSoundOn", "chkRadioChatterSoundOn", Page::Sound, Encoding::TextBoolean},
    {"RadioChatterSoundVolume", "RadioChatterSoundVolume", Page::Sound, Encoding::VolumeText},
    {"UISoundOn", "chkUISoundOn", Page::Sound, Encoding::TextBoolean},
    {"UISoundVolume", "UISoundVolume", Page::Sound, Encoding::VolumeText},
    {"ActionMusicOn", "chkActionMusicOn", Page::Sound, Encoding::TextBoolean},
    {"ActionMusicVolume", "ActionMusicVolume", Page::Sound, Encoding::VolumeText},
    {"CDMusicOn", "chkCDMusicOn", Page::Sound, Encoding::TextBoolean},
    {"UseMaxSounds", "chkUseMaxSounds", Page::Sound, Encoding::TextBoolean},

    {"SoftwareOnly", "chkSoftwareOnly", Page::Graphics, Encoding::TextBoolean},
    {"FullScreen", "chkFullScreen", Page::Graphics, Encoding::TextBoolean},
    {"UseActionGamma", "chkUseActionGamma", Page::Graphics, Encoding::TextBoolean},
    {"ShowTooltips", "chkShowTooltips", Page::Graphics, Encoding::TextBoolean},
    {"ShowSky", "chkShowSky", Page::Graphics, Encoding::TextBoolean},
    {"ShowFog", "chkShowFog", Page::Graphics, Encoding::TextBoolean},
    {"ShowWeatherFX", "chkShowWeatherFX", Page::Graphics, Encoding::TextBoolean},
    {"LODSkip", "chkLODSkip", Page::Graphics, Encoding::TextBoolean},
    {"MIPSkip", "chkMIPSkip", Page::Graphics, Encoding::TextBoolean},
    {"DynamicLighting", "chkDynamicLighting", Page::Graphics, Encoding::TextBoolean},
    {"CharacterShadows", "chkCharacterShadows", Page::Graphics, Encoding::TextBoolean},
    {"ProjectedTextures", "chkProjectedTextures", Page::Graphics, Encoding::TextBoolean},
    {"RetainGunModels", "chkRetainGunModels", Page::Graphics, Encoding::TextBoolean},
    {"VideoResolution", "cbVideoResolution", Page::Graphics, Encoding::VideoResolution},

    {"MultiplayerPlayerName", "txtPlayerName", Page::MPGame, Encoding::Text},
    {"MultiplayerClanName", "txtClanName", Page::MPGame, Encoding::Text},
    {"MultiplayerBehindFirewall", "chkMultiplayerBehindFirewall", Page::MPGame,
     Encoding::TextBoolean},
    {"MultiplayerUseArmPatch", "chkMultiplayerUseArmPatch", Page::MPGame, Encoding::TextBoolean},
    {"MultiplayerConnectionType", "rgConnection", Page::MPGame, Encoding::ZeroOrOne},
    {"MultiplayerGender", "rgGender", Page::MPGame, Encoding::ZeroOrOne},
    {"MultiplayerManualHostAddress", "txtMultiplayerManualHostAddress", Page::MPGame,
     Encoding::Text},
    // A string, unlike the three port numbers of the server page.
    {"MultiplayerManualJoinPort", "txtMultiplayerManualJoinPort", Page::MPGame, Encoding::Text},

    {"MultiplayerServerName", "txtMultiplayerServerName", Page::MPServer, Encoding::Text},
    {"MultiplayerMessageName", "txtMultiplayerMessageName", Page::MPServer, Encoding::Text},
    {"MultiplayerRequirePassword", "chkMultiplayerRequirePassword", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerPassword", "txtMultiplayerPassword", Page::MPServer, Encoding::Text},
    {"MultiplayerAllowArmPatch", "chkMultiplayerAllowArmPatch", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerLoudFootsteps", "chkMultiplayerLoudFootsteps", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerDisplayNamesOnMap", "chkMultiplayerDisplayNamesOnMap", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerAnnounceGames", "chkMultiplayerAnnounceGames", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerForceFog", "chkMultiplayerForceFog", Page::MPServer, Encoding::TextBoolean},
    {"MultiplayerForceWeatherFX", "chkMultiplayerForceWeatherFX", Page::MPServer,
     Encoding::TextBoolean},
    {"MultiplayerGameJoinPort", "txtMultiplayerGameJoinPort", Page::MPServer,
     Encoding::IntegerFromText},
    {"MultiplayerGameInfoPort", "txtMultiplayerGameInfoPort", Page::MPServer,
     Encoding::IntegerFromText},
    {"MultiplayerGameAnnouncePort", "txtMultiplayerGameAnnouncePort", Page::MPServer,
     Encoding::IntegerFromText},

    {"DisplayTime", "chkDisplayTime", Page::UrbanOps, Encoding::TextBoolean},
    {"ShowCoverWindow", "chkCoverWindow", Page::UrbanOps, Encoding::TextBoolean},
    {"UseForceFeedbackMouse", "gbFFB", Page::UrbanOps, Encoding::ForceFeedback},
    {"PreferredRateOfFire", "cbROF", Page::UrbanOps, Encoding::RateOfFire},
    {"PreferredMapZoom", "cbMapZoom", Page::UrbanOps, Encoding::MapZoom},
    {"MultiplayerServerNameUO", "txtUOServerName", Page::UrbanOps, Encoding::Text},
    {"MultiplayerMessageNameUO", "txtUOMOTD", Page::UrbanOps, Encoding::Text},
    {"MultiplayerReticuleKnock", "chkReticuleKnock", Page::UrbanOps, Encoding::TextBoolean},
    {"MultiplayerThirdPerson", "chkThirdPerson", Page::UrbanOps, Encoding::TextBoolean},
}};

// The order of saving: the Urban Ops page first, then the check boxes page by page, the
// multiplayer choices and fields, the volumes and the resolution.
inline constexpr std::array<std::string_view, 68> kSaveOrder{
    "PreferredRateOfFire",
    "PreferredMapZoom",
    "DisplayTime",
    "UseForceFeedbackMouse",
    "MultiplayerServerNameUO",
    "MultiplayerMessageNameUO",
    "MultiplayerReticuleKnock",
    "MultiplayerThirdPerson",
    "ShowCoverWindow",

    "PlayIntroMovie",
    "PlaySplashMovie",
    "GoreOn",
    "UnlimitedPractice",
    "AutoTarget",
    "AlwaysRun",
    "RecordMission",
    "InvertMouse",
    "MasterSoundOn",
    "AmbientSoundOn",
    "GunshotSoundOn",
    "FootstepSoundOn",
    "RadioChatterSoundOn",
    "UISoundOn",
    "ActionMusicOn",
    "CDMusicOn",
    "UseMaxSounds",
    "SoftwareOnly",
    "FullScreen",
    "UseActionGamma",
    "ShowTooltips",
    "ShowSky",
    "ShowFog",
    "ShowWeatherFX",
    "LODSkip",
    "MIPSkip",
    "DynamicLighting",
    "CharacterShadows",
    "ProjectedTextures",
    "RetainGunModels",
    "MultiplayerBehindFirewall",
    "MultiplayerUseArmPatch",
    "MultiplayerRequirePassword",
    "MultiplayerAllowArmPatch",
    "MultiplayerLoudFootsteps",
    "MultiplayerDisplayNamesOnMap",
    "MultiplayerAnnounceGames",
    "MultiplayerForceFog",
    "MultiplayerForceWeatherFX",
    "MultiplayerConnectionType",
    "MultiplayerGender",
    "MultiplayerGameJoinPort",
    "MultiplayerGameInfoPort",
    "MultiplayerGameAnnouncePort",
    "MultiplayerPlayerName",
    "MultiplayerClanName",
    "MultiplayerManualHostAddress",
    "MultiplayerManualJoinPort",
    "MultiplayerServerName",
    "MultiplayerMessageName",
    "MultiplayerPassword",
    "MasterSoundVolume",
    "AmbientSoundVolume",
    "GunshotSoundVolume",
    "FootstepSoundVolume",
    "RadioChatterSoundVolume",
    "UISoundVolume",
    "ActionMusicVolume",
    "VideoResolution",
};

const GameSetting* FindGameSetting(std::string_view value);

// The lists of the drop-down controls, in their order.
inline constexpr std::array<std::string_view, 12> kVideoResolutions{
    "320x200", "320x240", "400x300",  "480x360",  "512x384",   "600x400",
    "640x480", "800x600", "1024x768", "1152x864", "1280x1024", "1600x1200"};
inline constexpr std::array<std::string_view, 4> kRatesOfFire{"Safety", "Single Shot",
                                                              "Three Round", "Full Auto"};
inline constexpr std::array<std::string_view, 5> kMapZooms{"Max Zoom In", "Zoom In", "Normal",
                                                           "Zoom Out", "Max Zoom Out"};
inline constexpr std::array<std::string_view, 5> kMapZoomTexts{"2.500000", "5.000000", "10.000000",
                                                               "20.000000", "40.000000"};

// The conversions between the stored form and the control's state. An item index of -1 is no
// item; nullopt means nothing is written.
bool IsTrue(std::string_view text);
int VolumePosition(std::string_view text);
std::string VolumeText(int position);
int RateOfFireIndex(std::int32_t stored);
std::optional<std::int32_t> RateOfFireStored(int index);
int MapZoomIndex(std::string_view text);
std::optional<std::string> MapZoomText(int index);
int ZeroOrOneIndex(std::string_view integerText);
std::string ZeroOrOneText(int index);
int ForceFeedbackIndex(std::string_view text);
std::string ForceFeedbackText(int index);
// An empty box writes nothing: a save never blanks the resolution.
std::optional<std::string> VideoResolutionText(std::string_view boxText);

} // namespace quarl::settings
