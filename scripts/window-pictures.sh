#!/usr/bin/env bash
# Takes a picture of each of the launcher's twelve windows, from the launcher installed on the
# demo installation (scripts/screenshot.sh, under Xvfb), for the user guide.
#
#   scripts/window-pictures.sh [OUT_DIR]     (default docs/, where the guide finds them)
#
# Builds nothing: build the Windows preset first (cmake --build --preset windows). Each window
# is reached as a player reaches it, by keys from the main window (Join Channel, behind a
# toolbar drop-down arrow, through the test helper show_wizard_page.exe). Ends with 1 unless all
# twelve pictures were made and each shows something.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
quarl_wine_bits
out=$(realpath -m "${1:-$QUARL_ROOT/docs}")
mkdir -p "$out"

# The main window and the address book open in the top left corner of a large screen, apart from
# the windows centred over them (a window over its disabled owner can stay unpainted under Xvfb
# where they overlap). 0 would mean "no position".
positions='HKCU\Software\Quarl\Launcher\MainPos|Left|REG_SZ|8'
positions+=';HKCU\Software\Quarl\Launcher\MainPos|Top|REG_SZ|8'
positions+=';HKCU\Software\Quarl\Launcher\AddressBookPos|Left|REG_SZ|8'
positions+=';HKCU\Software\Quarl\Launcher\AddressBookPos|Top|REG_SZ|8'
# A mod chosen, so that Mod Information has something to show.
positions+=';HKCU\Software\Quarl\Launcher|LastMod|REG_SZ|Tactical Realism'

# picture | keys from the main window to it ("KEYS=CAPTION;...", scripts/screenshot.sh)
#         [| what the helper show_wizard_page.exe opens instead of keys]
shots=(
    "main-window.png|"
    "settings-1-launcher.png|alt+m s=Game Settings. . ."
    "address-book.png|alt+m b=Address Book"
    "address-book-entry.png|alt+m b=Address Book;shift+F10 r=frmABEdit"
    "tool-1-introduction.png|alt+t l=Launcher Tool"
    "wizard-1-opening.png|alt+t w=Quarl Launcher Wizard"
    "resume.png|alt+m l=Running Rogue Spear"
    "ping-stats.png|alt+t p=Ping Stats"
    "local-ip-addresses.png|alt+t i=Local IP Addresses"
    "about.png|alt+h a=About Quarl Launcher"
    "mod-information.png|alt+m m=Mod Information"
    # Opened through the Roger Wilco button's drop-down arrow, which keys do not reach.
    "join-channel.png| =Join Channel|join"
)
helper=$QUARL_ROOT/build/$QUARL_WINDOWS_PRESET/tests/e2e/show_wizard_page.exe

# A picture counts when it shows something: a window that stayed unpainted is one colour.
shows_something() {
    [ -s "$1" ] && [ "$(convert "$1" -format %k info: 2>/dev/null || echo 0)" -ge 8 ]
}

made=0
failed=()
for shot in "${shots[@]}"; do
    IFS='|' read -r file steps opened <<<"$shot"
    rm -f "$out/$file"
    # The main window's picture shows the first ping result.
    settle=1.5
    [ -z "$steps" ] && settle=7
    # The stand-in game started by Launch only records its start: no window of its own.
    if QUARL_SHOT_HELPER=${opened:+$helper $opened} QUARL_SHOT_STEPS=$steps \
        QUARL_SHOT_REG=$positions QUARL_SHOT_SETTLE=$settle QUARL_SHOT_SCREEN=1600x1000 \
        QUARL_SHOT_CLOSE_WAIT=3 QUARL_STANDIN_NOWINDOW=1 \
        "$here/screenshot.sh" "$out/$file" >/dev/null && shows_something "$out/$file"; then
        made=$((made + 1))
        echo "window-pictures: $out/$file"
    else
        failed+=("$file")
        echo "window-pictures: FAILED $file (keys: ${steps:-none}${opened:+, helper: $opened})" >&2
    fi
done

echo "window-pictures: $made of ${#shots[@]} pictures made in $out"
[ ${#failed[@]} -eq 0 ]
