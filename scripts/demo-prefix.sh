#!/usr/bin/env bash
# Builds (or refreshes) a Wine prefix holding a demo installation of the games and the launcher.
#
#   scripts/demo-prefix.sh PREFIX LAUNCHER_EXE STANDIN_EXE [SETUP_EXE]
#
#   PREFIX       the Wine prefix; created once (X11 driver), kept on later runs
#   LAUNCHER_EXE the built Launcher.exe; copied to C:\Quarl with the help folder beside it when
#                there is no SETUP_EXE
#   STANDIN_EXE  the built StandInGame.exe; installed as the three game executables
#   SETUP_EXE    the built QuarlLauncherSetup.exe: the launcher is installed to C:\Quarl through
#                it, silently, as a player installs it (files, launcher key, Start menu, uninstall
#                entry); without it Launcher.exe is copied there
#
# Each run refreshes the game folder's programs, the mods and the data files from demo/data,
# and resets the game's and the launcher's registry keys to the demo state. Files the programs
# write in the game folder (standin-log.txt, ModsSettings.txt) are kept.
set -euo pipefail

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: $0 PREFIX LAUNCHER_EXE STANDIN_EXE [SETUP_EXE]" >&2
    exit 2
fi

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

prefix=$(realpath -m "$1")
launcher=$2
standin=$3
setup=${4:-}
data=$QUARL_ROOT/demo/data

for program in "$launcher" "$standin" $setup; do
    if [ ! -f "$program" ]; then
        echo "demo-prefix: not built: $program" >&2
        exit 1
    fi
done

# Replaces a file through a rename, so that a copy Wine has mapped (a program still running
# from the prefix) is never overwritten in place.
install_file() {
    local tmp="$2.new.$$"
    cp -f "$1" "$tmp"
    mv -f "$tmp" "$2"
}

# Game and launcher data files use Windows line ends, whatever the checkout has.
install_text() {
    local tmp="$2.new.$$"
    sed -e 's/\r$//' -e 's/$/\r/' "$1" >"$tmp"
    mv -f "$tmp" "$2"
}

install_text_tree() {
    local from="$1" to="$2" file rel
    while IFS= read -r -d '' file; do
        rel=${file#"$from"/}
        mkdir -p "$to/$(dirname "$rel")"
        install_text "$file" "$to/$rel"
    done < <(find "$from" -type f -print0)
}

echo "demo-prefix: preparing $prefix"
quarl_make_prefix "$prefix" x11

drive_c=$prefix/drive_c
game=$drive_c/Games/Rogue\ Spear
quarl=$drive_c/Quarl

# --- Game folder ----------------------------------------------------------------------------
mkdir -p "$game" "$quarl"
for exe in RogueSpear.exe UrbanOperations.exe CovertOperations.exe; do
    install_file "$standin" "$game/$exe"
done
for file in "$data"/game/*; do
    install_text "$file" "$game/$(basename "$file")"
done
# The mods folder is replaced as a whole: a mod removed from demo/data disappears too.
rm -rf "$game/mods"
mkdir -p "$game/mods"
install_text_tree "$data/mods" "$game/mods"

# --- Launcher folder ------------------------------------------------------------------------
for file in "$data"/launcher/*; do
    install_text "$file" "$quarl/$(basename "$file")"
done
if [ -z "$setup" ]; then
    install_file "$launcher" "$quarl/Launcher.exe"
    # The help pages the build put beside the program.
    rm -rf "$quarl/help"
    if [ -d "$(dirname "$launcher")/help" ]; then
        cp -r "$(dirname "$launcher")/help" "$quarl/help"
    fi
fi

# --- Registry -------------------------------------------------------------------------------
# Both keys are deleted first, so that a re-run gives the same demo state again.
reg_file=$drive_c/windows/temp/quarl-demo.reg
mkdir -p "$(dirname "$reg_file")"
cat >"$reg_file" <<'EOF'
Windows Registry Editor Version 5.00

[-HKEY_LOCAL_MACHINE\Software\Red Storm Entertainment\Rogue Spear]

[HKEY_LOCAL_MACHINE\Software\Red Storm Entertainment\Rogue Spear]
"InstallationPath"="C:\\Games\\Rogue Spear"
"ModsPath"="\\mods"
"MultiPlayerPlayerName"="Player"
"Version"="2.5"
"Language"="English"

[-HKEY_CURRENT_USER\Software\Quarl\Launcher]

[HKEY_CURRENT_USER\Software\Quarl\Launcher]
"InstallationPath"="C:\\Quarl"
"Port"="2346"
"servermru"="ab"
"server-a"="127.0.0.1"
"server-b"="127.0.0.1"
"GameType"=dword:00000001
"UseNetwork"="TRUE"
"Host"="FALSE"
"UseMod"="TRUE"
EOF
# The installer writes the launcher key's "InstallationPath" itself.
[ -z "$setup" ] || sed -i '/^"InstallationPath"="C:\\\\Quarl"$/d' "$reg_file"
sed -i 's/$/\r/' "$reg_file"
view=()
if [ "$QUARL_WINE_BITS" = 64 ]; then
    # The game and the launcher read the machine's keys in the 32-bit view of the registry; the
    # 64-bit regedit reaches it by its real name.
    sed -i 's/HKEY_LOCAL_MACHINE\\Software\\/&Wow6432Node\\/' "$reg_file"
    view=(/reg:32)
fi
wine regedit /S 'C:\windows\temp\quarl-demo.reg' </dev/null >/dev/null 2>&1

# regedit /S reports nothing: check that the values arrived.
check_value() {
    local key="$1" name="$2" expected="$3" out
    out=$(wine reg query "$key" /v "$name" "${view[@]}" </dev/null 2>/dev/null | tr -d '\r' || true)
    if ! grep -qF -- "$expected" <<<"$out"; then
        echo "demo-prefix: registry value $key\\$name was not written" >&2
        exit 1
    fi
}
if [ -n "$setup" ]; then
    # /D= takes the rest of the command line and no quotes: C:\Quarl has no space.
    if ! wine "$(winepath -w "$setup" 2>/dev/null)" /S '/D=C:\Quarl' </dev/null >/dev/null 2>&1; then
        echo "demo-prefix: the installer failed: $setup" >&2
        exit 1
    fi
    check_value 'HKCU\Software\Quarl\Launcher' InstallationPath 'C:\Quarl'
fi
check_value 'HKLM\Software\Red Storm Entertainment\Rogue Spear' InstallationPath 'C:\Games\Rogue Spear'
check_value 'HKCU\Software\Quarl\Launcher' server-b '127.0.0.1'

# Wine's desktop process belongs to the display of the session that started it: a session
# begun here without a display would leave later programs of this prefix without windows.
if [ -z "${DISPLAY:-}" ]; then
    timeout 20 wineserver -w 2>/dev/null || true
fi

echo "demo-prefix: ready: C:\\Games\\Rogue Spear (games and mods), C:\\Quarl (launcher)"
