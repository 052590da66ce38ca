#!/usr/bin/env python3
"""Writes the launcher's help pages into help/ (run by hand after editing this file):

    python3 scripts/help-pages.py

The pages that ship are the committed files in help/; nothing runs at build time. Every page is
plain HTML in UTF-8 with the shared style sheet help.css and no script, so that any browser,
Wine's built-in one included, shows it. A topic the launcher opens by number is "<number>.html";
"contents.html" is the contents and "keywords.html" the alphabetical keyword index.
"""

import html
import pathlib

HELP = pathlib.Path(__file__).resolve().parent.parent / "help"


def page(name, title, body, keywords=()):
    """A topic page: its file name, title, body (HTML) and index keywords."""
    return {"name": name, "title": title, "body": body, "keywords": list(keywords)}


def write(name, title, body):
    text = f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{html.escape(title)} - Quarl Launcher Help</title>
<link rel="stylesheet" href="help.css">
</head>
<body>
<p class="nav"><a href="contents.html">Contents</a> | <a href="keywords.html">Keyword Index</a></p>
<h1>{html.escape(title)}</h1>
{body.strip()}
<p class="foot">Quarl Launcher 2.10 Help</p>
</body>
</html>
"""
    (HELP / name).write_text(text, encoding="utf-8", newline="\r\n")


# The launcher's own topics, written out in full.
TOPICS = [
    page("main.html", "The main window", """
<p>The main window holds every choice a game start uses. Start the launcher instead of the game,
make your choices and press <b>Launch</b>.</p>
<ul>
<li><b>Game</b>: Rogue Spear, Urban Ops or Covert Ops. A game that is not installed cannot be
chosen. Urban Ops needs Rogue Spear.</li>
<li><b>Network Game</b>: check it to play on a network, then choose <b>Join</b> to play on a
server or <b>Host</b> to run one. See <a href="joining.html">Joining a server</a> and
<a href="hosting.html">Hosting a server</a>. Leave it unchecked for a single player game.</li>
<li><b>Address</b> and <b>Port</b>: the server you join, or the port your own server uses.</li>
<li><b>Use Mod</b> and the mod list: start the game with mods. See <a href="mods.html">Mods</a>.</li>
<li><b>Delete kitrestrictions.txt</b>: removes the game's kit restrictions file before the
game starts, so that no old restrictions carry over.</li>
</ul>
<p>While you join a server the small bars beside the address show how quickly the server
answers: see <a href="ping.html">The ping to the server</a>. The status bar at the bottom
explains the control or command under the mouse pointer.</p>
<p>The launcher remembers your choices when you launch and when you close it, and shows them
again at the next start.</p>
<h2>After the launch</h2>
<p>When the game has started, the launcher waits in a small window. When you have finished
playing, press <b>Resume</b> there: the launcher puts your mouse buttons back the way Windows
had them and is ready for the next game. If you checked <a href="3013.html">Close on Launch</a>
in the settings, the launcher closes instead.</p>
<h2>Menus</h2>
<ul>
<li><b>Main</b>: Launch, the <a href="200.html">Address Book</a>, the
<a href="300.html">Settings</a>, the <a href="mods.html">Mod Information</a>, Exit.</li>
<li><b>Tools</b>: the <a href="wizard.html">Launch Wizard</a>, the
<a href="launchtool.html">Launch Tool</a>, <a href="telnet.html">Telnet</a>, your computer's
<a href="addresses.html">IP addresses</a> and the <a href="ping.html">ping details</a>.</li>
<li><b>Edit</b>: opens the game's <i>boundkey.txt</i> (in MP-Keys when it is installed) or
<i>kitrestrictions.txt</i> for editing. See <a href="companions.html">Companion programs</a>.</li>
<li><b>Extras</b>: starts the <a href="companions.html">companion programs</a>.</li>
<li><b>Help</b>: this help, the <a href="6000.html">Gaming Online</a> topics, the
<a href="web.html">update check and web pages</a> and the About box.</li>
</ul>
""", ["main window", "Launch", "Network Game", "Use Mod", "Resume", "kitrestrictions.txt",
      "menus", "single player"]),

    page("joining.html", "Joining a server", """
<ol>
<li>Choose the game the server runs.</li>
<li>Check <b>Network Game</b> and choose <b>Join</b>.</li>
<li>Type the server's address in the address box, or pick one of the last six servers from its
list, or double-click a server in the <a href="200.html">Address Book</a>.</li>
<li>Type the server's port in the port box. The game's usual port is 2346.</li>
<li>If the server runs a mod, check <b>Use Mod</b> and select the same mod. See
<a href="mods.html">Mods</a>.</li>
<li>Press <b>Launch</b>.</li>
</ol>
<p>The game starts and connects to the server straight away. The address and port are also
written into the game's own <a href="3086.html">Manual Join Host Address</a> and
<a href="3087.html">Manual Join Port</a> settings.</p>
<p>Before you launch, the bars beside the address tell you whether the server answers and how
quickly: see <a href="ping.html">The ping to the server</a>. To talk to the other players while
you play, see <a href="companions.html">Roger Wilco</a>. To find servers, see
<a href="6000.html">Gaming Online</a>.</p>
""", ["joining a server", "server address", "port", "address history", "connect"]),

    page("hosting.html", "Hosting a server", """
<ol>
<li>Choose the game.</li>
<li>Check <b>Network Game</b> and choose <b>Host</b>.</li>
<li>Type the port your server should use in the port box (the game's usual port is 2346).</li>
<li>Check <b>Use Mod</b> and select a mod if your server is to run one.</li>
<li>Press <b>Launch</b>. The game starts as a server on that port.</li>
</ol>
<p>Your server's name, its message of the day, a password and the ports it announces itself
on are on the <a href="3500.html">MP Server</a> page of the settings. Players join you at your
computer's address: <a href="addresses.html">Local IP Addresses</a> shows it and copies it for
you to pass on. Behind a router, the router must forward the server's ports to your
computer.</p>
""", ["hosting a server", "server", "port", "MP Server"]),

    page("mods.html", "Mods", """
<p>A mod changes the game: new maps, weapons or rules. Each mod is a folder in the game's
<i>mods</i> folder, and the main window's list shows one line per folder.</p>
<ul>
<li><b>Rogue Spear</b> starts with one mod: check <b>Use Mod</b> and select it. The launcher
remembers it for the next start.</li>
<li><b>Urban Ops</b> can start with several mods at once: check <b>Use Mod</b> and select every
mod you want. The launcher keeps your choice in the game's <i>ModsSettings.txt</i>.</li>
<li><b>Covert Ops</b> does not use mods; the list is then not available. The
<a href="3019.html">Hide Covert Ops</a> setting leaves its folder out of the list.</li>
</ul>
<h2>Mod Information</h2>
<p>Double-click a mod, or choose <b>Main &gt; Mod Info</b>, to see what its author wrote about
it: its name, version, whether it is made for multiplayer, copyright, release date, author, a
support link and a description. Anything the author left out shows as "Not Provided". Press
<b>Ok</b> to go back.</p>
<h2>For mod authors</h2>
<p>A mod describes itself in a file <i>launcher.ini</i> in its folder, in a section
<code>[Information]</code>. The same file can set the kit restrictions that Urban Ops applies
when the mod is started.</p>
<h2>Installing a mod</h2>
<p>Put the mod's folder into the game's <i>mods</i> folder and start the launcher again; the
mod then appears in the list. A server running a mod can only be joined with the same
mod.</p>
""", ["mods", "Mod Information", "launcher.ini", "ModsSettings.txt", "mods folder",
      "installing a mod"]),

    page("ping.html", "The ping to the server", """
<p>While you have chosen to join a server, the launcher sends the server a ping every five
seconds and shows how long the answer took: three green bars for a quick answer, fewer and
redder bars for a slow one, and a note when the server does not answer at all.</p>
<p>Double-click the bars, or choose <b>Tools &gt; Ping Details</b>, for the details: how many
pings were sent, how many were lost and the average time. <b>Reset</b> starts the count
again.</p>
<p>Some servers and routers do not answer pings; the game may still connect. The
<a href="3011.html">Disable Ping</a> setting turns the ping off.</p>
""", ["ping", "Ping Details", "round trip", "lag"]),

    page("addresses.html", "Local IP Addresses", """
<p><b>Tools &gt; IP Address</b> shows the addresses of your own computer, up to five.
Right-click an address and choose <b>Copy</b> to put it on the clipboard, so that you can paste
it into a chat and tell other players where to join your server. "N/A" means there is no
address in that place. Press <b>Ok</b> to close the window.</p>
<p>Behind a router, these are your addresses on the local network. Players on the Internet join
you at your router's address, and the router must forward the game's ports to your
computer.</p>
""", ["IP address", "local addresses", "clipboard", "my address"]),

    page("telnet.html", "Telnet to a server", """
<p><b>Tools &gt; Telnet</b> opens a telnet connection to the address and port in the main
window, for servers that offer a remote console. It uses the telnet program Windows has, or a
program you choose on the <a href="300.html">Launcher page</a> of the settings
(<a href="3017.html">Default</a> or <a href="3018.html">Custom</a>).</p>
<p>The address may hold only letters, digits, dots, colons, hyphens and underscores, and the
port only digits; anything else is refused with a message.</p>
""", ["telnet", "remote console"]),

    page("launchtool.html", "The Launch Tool: game services", """
<p>Game services such as The Zone, MPlayer, GameSpy and Kali can start Rogue Spear for you when
a match begins. Normally they start the game directly, and the launcher's mods, mouse buttons
and settings are not used. The Launch Tool (<b>Tools &gt; Launch Tool</b>) changes that: it
<b>patches</b> a service so that the service starts the launcher instead, which then starts the
game your way.</p>
<ol>
<li>The first page explains the tool. Press <b>Next</b>.</li>
<li>The second page lists the services, whether each was found on your computer and whether it
is patched. Check a service to patch it; uncheck it to unpatch it. If a service was not found
although it is installed, right-click its name and choose <b>Override Detection</b>.</li>
<li>Press <b>Finish</b>. The third page shows the progress; copying the game files can take a
few seconds. Press <b>Done</b> when it has finished.</li>
</ol>
<h2>What patching does</h2>
<ul>
<li><b>The Zone and MPlayer</b> start the game's program file directly. Patching renames each
game program in the game folder (for example <i>RogueSpear.exe</i> becomes <i>RSpear.exe</i>)
and puts a small redirect program in its place that starts the launcher. The launcher starts
the renamed game.</li>
<li><b>GameSpy and Kali</b> keep the program they start in their own settings. Patching
points that entry at the launcher.</li>
</ul>
<h2>Unpatching</h2>
<p>Uncheck the service and finish the tool again: the game programs get their own names back
and the services their own entries. MPlayer checks the game when you enter its lobby, so patch
the game each time you enter the lobby and unpatch it when you leave. Uninstalling the
launcher undoes every patch by itself.</p>
""", ["Launch Tool", "patching", "unpatching", "redirect", "game services", "The Zone",
      "MPlayer", "GameSpy", "Kali", "uninstall"]),

    page("wizard.html", "The Launch Wizard", """
<p>The Launch Wizard (<b>Tools &gt; Launch Wizard</b>) asks one question per page: which game,
single player or join or host, the server's address, and a mod. Press <b>Next</b> to go
on and <b>Finish</b> at the end: the wizard fills in the main window for you. Then press
<b>Launch</b> in the main window.</p>
<p>The <a href="3015.html">Use Wizard Interface</a> setting opens the wizard every time the
launcher starts.</p>
""", ["wizard", "Launch Wizard", "newcomers"]),

    page("companions.html", "Companion programs", """
<p>The launcher starts the programs players use beside the game. A program that is not
installed has its button and menu item disabled; the launcher looks for them when it starts.</p>
<ul>
<li><b>Roger Wilco</b> is voice chat: talk to your team while you play. One player creates a
channel and the others join it. The Roger Wilco button starts the program; its arrow opens a
menu: <b>Join &gt; Join</b> opens the Join Channel window, where you type or pick the address of
the player who created the channel (and a password if the channel needs one);
<b>Join &gt; Join RS Server</b> fills in the address of the game server you are joining;
<b>Host &gt; Normal</b> and <b>Host &gt; Minimize</b> create a channel, with Roger Wilco's window
normal or minimised. Roger Wilco and the launcher share one list of channel addresses.</li>
<li><b>GameSpy</b> and <b>Kali</b> find servers on the Internet. See
<a href="6020.html">GameSpy</a> and <a href="6040.html">Kali</a>.</li>
<li><b>RS Stats Recorder</b> records the statistics of your games.</li>
<li><b>MP-Keys</b> edits the game's key bindings: <b>Edit &gt; Boundkeys</b> opens it when it
is installed, and otherwise opens the game's <i>boundkey.txt</i> in Notepad.</li>
<li><b>Edit &gt; Kitrestrictions</b> opens the game's <i>kitrestrictions.txt</i> in
Notepad.</li>
</ul>
<p>Install a companion program and start the launcher again to use it from here.</p>
""", ["companion programs", "Roger Wilco", "voice chat", "Join Channel", "RS Stats Recorder",
      "MP-Keys", "Boundkeys", "boundkey.txt", "Notepad"]),

    page("web.html", "Updates, web pages and About", """
<p><b>Help &gt; Check for Updates</b> opens the launcher's update page in your web browser. The
address tells the page which versions of the games you have installed, so that it can say
whether a newer launcher or a game patch suits you. The launcher itself does not go on the
Internet: your browser opens the page.</p>
<p><b>Help &gt; On The Web</b> opens the home pages of Tamsel Software and of the Quarl
Launcher:</p>
<ul>
<li><a href="https://tamsel.example/">Tamsel Software</a></li>
<li><a href="https://tamsel.example/quarl/">Quarl Launcher</a></li>
</ul>
<p><b>Help &gt; About</b> shows the launcher's version and makers. Press <b>Ok</b> to close
it.</p>
""", ["updates", "Check for Updates", "web pages", "home page", "About", "version"]),

    page("wine.html", "Linux, Steam Deck and Wine", """
<p>On Linux and the Steam Deck the game runs under Wine or Proton, and so does the launcher:
install it into the same Wine prefix as the game, so that it finds the game's settings and
folder. Start <i>Launcher.exe</i> there as you would start the game.</p>
<ul>
<li>This help opens in the web browser the prefix knows. Wine hands web pages to your Linux
desktop's browser.</li>
<li>Under Wine some companion programs and the mouse button software are not available; the
launcher then disables their commands.</li>
<li>The ping needs the right to send pings from Wine. If every ping fails, ask your system to
allow it or turn the ping off with <a href="3011.html">Disable Ping</a>.</li>
</ul>
""", ["Linux", "Wine", "Proton", "Steam Deck", "prefix"]),
]

# The Help menu's "Gaming Online" topics and the address book: opened by number.
NUMBERED = [
    page("6000.html", "Gaming Online: Introduction", """
<p>Rogue Spear can be played against other players on a local network or on the Internet. To
play, someone runs a server and everybody else joins it.</p>
<ul>
<li>If you know a server's address, just <a href="joining.html">join it</a>. Keep your
favourite servers in the <a href="200.html">Address Book</a>.</li>
<li>To find servers, use a game service: <a href="6010.html">The Zone</a>,
<a href="6020.html">GameSpy</a>, <a href="6030.html">MPlayer</a> or
<a href="6040.html">Kali</a>.</li>
<li>To run a game yourself, <a href="hosting.html">host a server</a>.</li>
</ul>
<p>A game service normally starts the game without the launcher. Patch the service with the
<a href="launchtool.html">Launch Tool</a> and it starts the launcher instead, so that your mods,
mouse buttons and settings apply to its games too.</p>
""", ["Gaming Online", "online play", "Internet", "LAN", "game services"]),

    page("6010.html", "The Zone", """
<p>The Zone is an online game service with lobbies where players meet and start matches. When
a match starts, The Zone starts the game's program in the game folder.</p>
<p>To use the launcher with The Zone, patch "The Zone / MPlayer" in the
<a href="launchtool.html">Launch Tool</a>: the game's program is then a small redirect program
that starts the launcher, and the launcher starts the game. Unpatch it in the same tool.</p>
<p>See also <a href="6000.html">Gaming Online</a>.</p>
""", ["The Zone", "Zone", "lobby"]),

    page("6020.html", "GameSpy", """
<p>GameSpy lists the servers on the Internet, with their ping, map and players, and starts the
game to join the one you pick. It keeps the program it starts for Rogue Spear and Urban Ops in
its own settings.</p>
<p>Patch GameSpy in the <a href="launchtool.html">Launch Tool</a> and GameSpy starts the
launcher instead, which then starts the game your way. <b>Extras &gt; GameSpy</b> and the
GameSpy toolbar button start GameSpy; the button is available when GameSpy is installed.</p>
<p>See also <a href="6000.html">Gaming Online</a> and
<a href="companions.html">Companion programs</a>.</p>
""", ["GameSpy", "server list", "finding servers"]),

    page("6030.html", "MPlayer", """
<p>MPlayer is an online game service with lobbies. It starts the game's program in the game
folder when a match begins.</p>
<p>Patch "The Zone / MPlayer" in the <a href="launchtool.html">Launch Tool</a> to have MPlayer
start the launcher. MPlayer checks the game's files when you enter its lobby: patch the game
every time you enter the lobby, and unpatch it every time you leave (or before you join
again).</p>
<p>See also <a href="6000.html">Gaming Online</a>.</p>
""", ["MPlayer", "lobby"]),

    page("6040.html", "Kali", """
<p>Kali lets you play network games over the Internet as if all players were on one local
network. It keeps the program it starts for Rogue Spear in its own settings.</p>
<p>Patch Kali in the <a href="launchtool.html">Launch Tool</a> and Kali starts the launcher
instead. <b>Extras &gt; Kali</b> and the Kali toolbar button start Kali when it is
installed.</p>
<p>See also <a href="6000.html">Gaming Online</a> and
<a href="companions.html">Companion programs</a>.</p>
""", ["Kali", "IPX", "virtual LAN"]),

    page("200.html", "The Address Book", """
<p>The Address Book (<b>Main &gt; Address Book</b>) keeps the servers you play on, one row
each: a description, the address, the port, the mod, a password for your own reference and the
game ("RS" or "UO").</p>
<ul>
<li><b>Double-click</b> a server, or select it and press <b>Use Entry</b>, to copy it into the
main window: the game, Join, the address, the port and the mod are set for you. Then press
<b>Launch</b>.</li>
<li><b>New</b>, <b>Properties</b> and <b>Delete</b> (also on the right-click menu) add, change
and remove servers; a server is edited in a small window of its own.</li>
<li>Drag a row to another place to put your list in the order you like.</li>
<li>The <b>+</b> button beside the address in the main window adds the server you have typed
there.</li>
</ul>
<p>The book is saved in <i>addressbook.txt</i> in the launcher's folder each time you close the
window, with the previous one kept as <i>addressbook.bak</i>. The
<a href="3014.html">Auto-Close Address Book</a> setting closes the window as soon as you choose
a server.</p>
""", ["Address Book", "addressbook.txt", "favourite servers", "servers"]),
]

# The settings window's pages: file, title, what the page is for, and its settings' numbers.
SETTING_PAGES = [
    ("300.html", "Settings: the Launcher page",
     "The settings window (<b>Main &gt; Settings</b>) holds the launcher's own options and the "
     "game's settings on eight pages. <b>Ok</b> saves and closes, <b>Apply</b> saves and stays, "
     "<b>Cancel</b> closes without saving. Press F1 on a page or setting for its help; "
     "right-click a setting and choose <b>What's This?</b> for a short note.</p>"
     "<p>The <b>Launcher</b> page holds the launcher's own options, and shows which versions of "
     "the games are installed.",
     [3011, 3013, 3014, 3015, 3019, 3012, 3016, 3017, 3018]),
    ("303.html", "Settings: the Mouse page",
     "Gives each mouse button a function while the game runs. When you press <b>Resume</b> "
     "after the game, the buttons get back the functions Windows gave them. These settings do "
     "not change your Windows settings. They work with the IntelliPoint 3.0 mouse software "
     "only, and only while <a href=\"3012.html\">Disable Mouse Code</a> is unchecked; buttons "
     "your mouse does not have are ignored.", []),
    ("304.html", "Settings: the General page",
     "The game's general options, as the game's own options screen sets them.",
     [3040, 3041, 3042, 3043, 3044, 3045, 3046, 3047]),
    ("3200.html", "Settings: the Sound page",
     "Each kind of sound can be turned on or off, and the slider beside it sets its volume.",
     [3050, 3051, 3052, 3053, 3054, 3055, 3056, 3057, 3058]),
    ("3300.html", "Settings: the Graphics page",
     "How the game draws its world. Turning effects off makes the game faster on a slow "
     "computer.",
     [3060, 3061, 3073, 3062, 3063, 3069, 3064, 3070, 3065, 3066, 3067, 3068, 3071, 3072]),
    ("3400.html", "Settings: the MP Game page",
     "Who you are in multiplayer games, and how you connect.",
     [3080, 3081, 3082, 3083, 3084, 3085, 3086, 3087]),
    ("3500.html", "Settings: the MP Server page",
     "How your server presents itself when you <a href=\"hosting.html\">host</a> a game.",
     [3090, 3091, 3098, 3092, 3093, 3094, 3095, 3096, 3097, 3099, 4000, 4001, 4002]),
    ("urbanops.html", "Settings: the Urban Ops page",
     "Options of Urban Ops. The page is available only when Urban Ops is installed. Its server "
     "name and message are those of <a href=\"3090.html\">Server Name</a> and "
     "<a href=\"3091.html\">Server MOTD</a> for Urban Ops servers.",
     [4010, 4011, 4012, 4013, 4014, 4015]),
]

# One page per setting: its caption, and a sentence or two about it.
SETTINGS = {
    3011: ("Disable Ping", "Turns off the ping to the server chosen in the main window. Use it "
           "when the server does not answer pings, or when pings cannot be sent from your "
           "computer. See <a href=\"ping.html\">The ping to the server</a>."),
    3012: ("Disable Mouse Code", "Leaves the mouse buttons as Windows has them while a game "
           "runs. Uncheck it to give the buttons the functions chosen on the "
           "<a href=\"303.html\">Mouse page</a> for the game (IntelliPoint 3.0 only)."),
    3013: ("Close on Launch", "Closes the launcher once the game has started, instead of "
           "waiting for you to come back. The mouse options are locked then, since nothing "
           "would put the buttons back after the game."),
    3014: ("Auto-Close Address Book", "Closes the <a href=\"200.html\">Address Book</a> as soon "
           "as you choose a server from it."),
    3015: ("Use Wizard Interface", "Opens the <a href=\"wizard.html\">Launch Wizard</a> each "
           "time the launcher starts."),
    3016: ("Disable Mouse Check", "Skips the check of the mouse buttons when the launcher starts. "
           "The check notices when the game or the computer stopped before you pressed Resume, "
           "and offers to give the buttons back their Windows functions."),
    3017: ("Telnet: Default", "<a href=\"telnet.html\">Telnet to a server</a> opens the "
           "system's own telnet program."),
    3018: ("Telnet: Custom", "<a href=\"telnet.html\">Telnet to a server</a> opens a program of "
           "your choice. Right-click and choose Configure to choose another program."),
    3019: ("Hide Covert Ops in Mods listing", "Leaves the Covert Operations folder out of the "
           "<a href=\"mods.html\">mod list</a>: it holds Covert Ops itself, not a mod."),
    3040: ("Play Intro Movies", "Plays the introduction movies when the game starts."),
    3041: ("Play Splash Movie", "Plays the splash movie when the game starts."),
    3042: ("Gore (Blood)", "Shows blood when characters are hit."),
    3043: ("Unlimited Practice", "Lets you practise missions without limits."),
    3044: ("Auto Targeting", "Helps you aim at enemies in view."),
    3045: ("Always Run", "Your operative runs instead of walking."),
    3046: ("Record Mission", "Records each mission so that you can watch it again."),
    3047: ("Invert Mouse", "Moving the mouse forward looks down instead of up."),
    3050: ("Master Sound", "Turns all the game's sound on or off; the slider sets the overall "
           "volume."),
    3051: ("Ambient Sound", "The sounds around you on the map, and their volume."),
    3052: ("Gunshot Sound", "Gunfire and explosions, and their volume."),
    3053: ("Footstep Sound", "Footsteps, and their volume."),
    3054: ("Radio Chatter Sound", "Your team's radio messages, and their volume."),
    3055: ("Shell Sound", "The sounds of the game's menus, and their volume."),
    3056: ("Action Music", "The music during missions, and its volume."),
    3057: ("CD Music", "Plays the music of the game CD."),
    3058: ("Use Maximal Sounds", "Plays as many sounds at once as the sound card allows. Turn it "
           "off if the sound stutters."),
    3060: ("Force Software", "Draws the game without the 3D card: slower, for cards the game "
           "cannot use."),
    3061: ("Full Screen", "Runs the game on the whole screen instead of in a window."),
    3062: ("Show Sky", "Draws the sky."),
    3063: ("Show Weather FX", "Draws rain, snow and other weather."),
    3064: ("MIP Skip", "Uses smaller textures, for 3D cards with little memory."),
    3065: ("Character Shadows", "Draws the shadows of characters."),
    3066: ("Show Weapons After Death", "Leaves the weapons of fallen characters to be seen."),
    3067: ("Use Action Gamma", "Uses the brightness (gamma) made for missions."),
    3068: ("Show Tooltips", "Shows tooltips in the game's menus."),
    3069: ("Show Fog", "Draws fog."),
    3070: ("LOD Skip", "Draws simpler models in the distance, for speed."),
    3071: ("Dynamic Lighting", "Lets muzzle flashes and explosions light their surroundings."),
    3072: ("Projected Textures", "Draws projected textures such as the beams of lights."),
    3073: ("Video Resolution", "The screen resolution the game runs in. Choose one from the list "
           "or type your own, such as 1024x768. Your screen and 3D card must support it."),
    3080: ("Player Name", "The name the other players see."),
    3081: ("Clan Name", "The name of your clan, shown with your player name."),
    3082: ("Behind Firewall", "Check this when your computer is behind a firewall or a router, so "
           "that the game connects in a way that gets through it."),
    3083: ("Use Armpatch", "Wear your armpatch in multiplayer games."),
    3084: ("Connection Type", "Internet for games over the Internet, Lan for games on a local "
           "network."),
    3085: ("Gender", "Whether your operative is male or female."),
    3086: ("Manual Join Host Address", "The address of the server to join from the game's own "
           "menus. A network launch from the launcher writes the address it joins here."),
    3087: ("Manual Join Port", "The port of the server to join from the game's own menus. A "
           "network launch from the launcher writes the port it joins here."),
    3090: ("Server Name", "The name your server shows in the list of games."),
    3091: ("Server MOTD", "The message of the day players see when they join your server."),
    3092: ("Allow Armpatches", "Lets players wear their armpatches on your server."),
    3093: ("Loud Footsteps", "Makes footsteps louder on your server."),
    3094: ("Show Enemy Names", "Shows the names of enemies on the map."),
    3095: ("Announce Server", "Announces your server so that other players find it."),
    3096: ("Force Fog", "Every player on your server sees fog, whatever their own settings."),
    3097: ("Force Weather FX", "Every player on your server sees the weather, whatever their own "
           "settings."),
    3098: ("Require Password", "Players need the password typed in the box beside to join your "
           "server."),
    3099: ("Port Numbers", "The ports your server uses. A box left empty keeps the port as it "
           "is. A router in front of your computer must forward these ports to it."),
    4000: ("Join Port", "The port players join your server on."),
    4001: ("Info Port", "The port your server answers requests for its information on."),
    4002: ("Announce Port", "The port your server announces itself on."),
    4010: ("Display Time", "Shows the time of the mission."),
    4011: ("Show Cover Window", "Shows the cover window."),
    4012: ("Prefered Rate of Fire", "The rate of fire a weapon starts with."),
    4013: ("Default Map Zoom", "The zoom the map opens with."),
    4014: ("Reticule Knock", "A hit knocks your aim off target."),
    4015: ("Third Person View", "Allows the view from behind your operative in multiplayer "
           "games."),
}


def main():
    HELP.mkdir(exist_ok=True)
    index = []  # (keyword, file, title)
    for topic in TOPICS + NUMBERED:
        write(topic["name"], topic["title"], topic["body"])
        for keyword in topic["keywords"]:
            index.append((keyword, topic["name"], topic["title"]))

    owner = {}
    for name, title, text, numbers in SETTING_PAGES:
        items = "\n".join(
            f'<li><a href="{number}.html">{html.escape(SETTINGS[number][0])}</a></li>'
            for number in numbers)
        body = f"<p>{text}</p>\n"
        if items:
            body += f"<h2>Settings on this page</h2>\n<ul>\n{items}\n</ul>\n"
        body += ("<p>The settings window's pages: "
                 + ", ".join(f'<a href="{n}">{html.escape(t.split(": the ")[1])}</a>'
                             for n, t, _, _ in SETTING_PAGES) + ".</p>")
        write(name, title, body)
        page_caption = title.split(": the ")[1]
        index.append((page_caption + " (settings)", name, title))
        for number in numbers:
            owner[number] = (name, page_caption)
    assert set(owner) == set(SETTINGS), set(SETTINGS) ^ set(owner)

    for number, (caption, text) in SETTINGS.items():
        name, page_caption = owner[number]
        window = ("settings window" if name == "300.html"
                  else '<a href="300.html">settings window</a>')
        body = (f"<p>{text}</p>\n<p>On the <a href=\"{name}\">{html.escape(page_caption)}</a> "
                f"of the {window}.</p>")
        write(f"{number}.html", caption, body)
        index.append((caption, f"{number}.html", caption))
    index.append(("settings", "300.html", "Settings"))
    index.append(("What's This?", "300.html", "Settings"))
    index.append(("F1", "300.html", "Settings"))

    index.sort(key=lambda entry: (entry[0].casefold(), entry[1]))
    rows, letter = [], None
    for keyword, name, title in index:
        first = keyword[0].upper() if keyword[0].isalpha() else "#"
        if first != letter:
            if letter is not None:
                rows.append("</ul>")
            rows.append(f'<h2 id="{first}">{first}</h2>\n<ul class="index">')
            letter = first
        rows.append(f'<li><a href="{name}">{html.escape(keyword)}</a>'
                    + (f" ({html.escape(title)})" if keyword.casefold() != title.casefold()
                       else "") + "</li>")
    rows.append("</ul>")
    letters = sorted({row[8] for row in rows if row.startswith("<h2")})
    jump = " ".join(f'<a href="#{c}">{c}</a>' for c in letters)
    write("keywords.html", "Keyword Index",
          f'<p class="letters">{jump}</p>\n' + "\n".join(rows))

    settings_tree = "\n".join(
        f'<li><a href="{n}">{html.escape(t.split(": the ")[1])}</a></li>'
        for n, t, _, _ in SETTING_PAGES)
    write("contents.html", "Quarl Launcher Help", f"""
<p>Quarl Launcher starts Rogue Spear, Urban Ops and Covert Ops with your choice of game, server
and mods, and looks after the game's settings, your servers and the programs you play with.</p>
<h2>Getting started</h2>
<ul>
<li><a href="main.html">The main window</a></li>
<li><a href="joining.html">Joining a server</a></li>
<li><a href="hosting.html">Hosting a server</a></li>
<li><a href="mods.html">Mods and Mod Information</a></li>
<li><a href="wizard.html">The Launch Wizard</a></li>
</ul>
<h2>Servers and network</h2>
<ul>
<li><a href="200.html">The Address Book</a></li>
<li><a href="ping.html">The ping to the server</a></li>
<li><a href="addresses.html">Local IP Addresses</a></li>
<li><a href="telnet.html">Telnet to a server</a></li>
</ul>
<h2>Gaming Online</h2>
<ul>
<li><a href="6000.html">Introduction</a></li>
<li><a href="6010.html">The Zone</a></li>
<li><a href="6020.html">GameSpy</a></li>
<li><a href="6030.html">MPlayer</a></li>
<li><a href="6040.html">Kali</a></li>
<li><a href="launchtool.html">The Launch Tool: patching and unpatching the services</a></li>
</ul>
<h2>Settings</h2>
<ul>
{settings_tree}
</ul>
<h2>More</h2>
<ul>
<li><a href="companions.html">Companion programs: Roger Wilco, GameSpy, Kali, RS Stats, MP-Keys</a></li>
<li><a href="web.html">Updates, web pages and About</a></li>
<li><a href="wine.html">Linux, Steam Deck and Wine</a></li>
<li><a href="keywords.html">Keyword Index</a></li>
</ul>
""")


if __name__ == "__main__":
    main()
