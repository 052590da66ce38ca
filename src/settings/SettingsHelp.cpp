#include "settings/SettingsHelp.h"

#include <algorithm>
#include <utility>

namespace quarl::settings {

namespace {

constexpr std::pair<int, std::string_view> kPopupTexts[] = {
    {3011, "Turns off the ping to the server chosen in the main window."},
    {3012, "Leaves the mouse buttons as Windows has them while a game runs. Uncheck it to give "
           "the buttons the functions chosen on the Mouse page for the game (IntelliPoint v3.0 "
           "only)."},
    {3013, "Closes the launcher once the game has started, instead of waiting for you to come "
           "back. The mouse options are locked then: nothing would put the buttons back."},
    {3014, "Closes the address book as soon as you choose a server from it."},
    {3015, "Opens the Launch Wizard each time the launcher starts."},
    {3016, "Skips the check of the mouse buttons when the launcher starts."},
    {3017, "Telnet to a server opens the system's own telnet program."},
    {3018, "Telnet to a server opens a program of your choice. Right-click and choose Configure "
           "to choose another."},
    {3019, "Leaves the Covert Operations folder out of the mod list."},

    {3040, "Plays the introduction movies when the game starts."},
    {3041, "Plays the splash movie when the game starts."},
    {3042, "Shows blood."},
    {3043, "Lets you practise without limits."},
    {3044, "Helps you aim at enemies in view."},
    {3045, "Your operative runs instead of walking."},
    {3046, "Records each mission so that you can watch it again."},
    {3047, "Moving the mouse forward looks down instead of up."},

    {3050, "Turns all the game's sound on or off; the slider sets the overall volume."},
    {3051, "The sounds around you on the map, and their volume."},
    {3052, "Gunfire and explosions, and their volume."},
    {3053, "Footsteps, and their volume."},
    {3054, "Your team's radio messages, and their volume."},
    {3055, "The sounds of the game's menus, and their volume."},
    {3056, "The music during missions, and its volume."},
    {3057, "Plays the music of the game CD."},
    {3058, "Plays as many sounds at once as the sound card allows."},

    {3060, "Draws the game without the 3D card: slower, for cards the game cannot use."},
    {3061, "Runs the game on the whole screen instead of in a window."},
    {3062, "Draws the sky."},
    {3063, "Draws rain, snow and other weather."},
    {3064, "Uses smaller textures, for cards with little memory."},
    {3065, "Draws the shadows of characters."},
    {3066, "Leaves the weapons of fallen characters to be seen."},
    {3067, "Uses the gamma made for missions."},
    {3068, "Shows tooltips in the game's menus."},
    {3069, "Draws fog."},
    {3070, "Draws simpler models in the distance, for speed."},
    {3071, "Lets muzzle flashes and explosions light their surroundings."},
    {3072, "Draws projected textures such as the beams of lights."},
    {3073, "The screen resolution the game runs in. Choose one from the list or type your own, "
           "such as 1024x768."},

    {3080, "The name the other players see."},
    {3081, "The name of your clan."},
    {3082, "Check this when your computer is behind a firewall."},
    {3083, "Wear your armpatch in multiplayer games."},
    {3084, "Internet for games over the Internet, Lan for games on a local network."},
    {3085, "Whether your operative is male or female."},
    {3086, "The address of the server to join. A network launch writes the address it joins."},
    {3087, "The port of the server to join. A network launch writes the port it joins."},

    {3090, "The name your server shows in the list of games."},
    {3091, "The message of the day players see when they join your server."},
    {3092, "Lets players wear their armpatches on your server."},
    {3093, "Makes footsteps louder on your server."},
    {3094, "Shows the names of enemies on the map."},
    {3095, "Announces your server so that other players find it."},
    {3096, "Every player on your server sees fog."},
    {3097, "Every player on your server sees the weather."},
    {3098, "Players need the password in the box beside to join your server."},
    {3099, "The ports your server uses. A box left empty keeps the port as it is."},
    {4000, "The port players join your server on."},
    {4001, "The port your server answers requests for its information on."},
    {4002, "The port your server announces itself on."},

    {4010, "Shows the time of the mission."},
    {4011, "Shows the cover window."},
    {4012, "The rate of fire a weapon starts with."},
    {4013, "The zoom the map opens with."},
    {4014, "A hit knocks your aim off target."},
    {4015, "Allows the view from behind your operative in multiplayer games."},
};

} // namespace

std::string_view PopupText(int context) {
    const auto found =
        std::find_if(std::begin(kPopupTexts), std::end(kPopupTexts),
                     [context](const auto& entry) { return entry.first == context; });
    return found == std::end(kPopupTexts) ? std::string_view() : found->second;
}

} // namespace quarl::settings
