#!/usr/bin/env bash
# Takes a screenshot of the launcher (or another program of the demo installation) on a private
# Xvfb display.
#
#   scripts/screenshot.sh OUT.png [CAPTION [ARGUMENTS...]]
#
#   CAPTION    text in the caption of the window to wait for (default "Quarl Launcher")
#   ARGUMENTS  passed to the program
#
# Environment:
#   QUARL_SHOT_EXE     Windows path of the program to run (default C:\Quarl\Launcher.exe); it
#                      runs with its own folder as working folder, e.g.
#                      QUARL_SHOT_EXE='C:\Games\Rogue Spear\RogueSpear.exe'
#   QUARL_SHOT_PREFIX  the demo prefix (default build/demo-prefix, build/demo-prefix64 for the
#                      x86-64 build)
#   QUARL_SHOT_FULL=1  keep the whole screen instead of cropping to the window
#   QUARL_SHOT_WAIT    seconds to wait for the window (default 60)
#   QUARL_SHOT_SCREEN  the virtual screen's size (default 1024x768)
#   QUARL_SHOT_DPI     the screen's dots per inch for the picture (default 96; 144 is 150%, 192 is
#                      200%)
#   QUARL_SHOT_HELPER  a Windows command run in the prefix beside the program, e.g. to open
#                      another window of it: QUARL_SHOT_HELPER='Z:\...\show_settings_page.exe 3'
#   QUARL_SHOT_SETTLE  seconds to let the program work before the picture (default 1.5); 7 shows
#                      the first ping result
#   QUARL_SHOT_STEPS   windows to open on the way to the one pictured, as "KEYS=CAPTION;..."; for
#                      each, the current window is clicked, the xdotool keys are typed (a key
#                      "click:DX,DY" clicks that point of the window instead), and the window
#                      with the caption becomes the current one, e.g.
#                      QUARL_SHOT_STEPS='alt+m b=Address Book;shift+F10 r=frmABEdit'
#   QUARL_SHOT_STEP_WAIT  seconds to let each step's window settle (default 1)
#   QUARL_SHOT_CLOSE_WAIT seconds to wait for the program to close on Alt+F4, and then on
#                      WM_CLOSE, before ending it (default 10 each)
#   QUARL_SHOT_REG     registry values to set before the program starts, as
#                      "KEY|NAME|TYPE|DATA;...", e.g. where a window opens:
#                      'HKCU\Software\Quarl\Launcher\MainPos|Left|REG_DWORD|0'
#   QUARL_LAUNCHER_EXE, QUARL_STANDIN_EXE, QUARL_SETUP_EXE  built programs for the prefix (the
#                      launcher is installed through QUARL_SETUP_EXE when it is there); by default
#                      read from build/windows/demo/paths.sh
#   QUARL_WINE_BITS    64 uses the x86-64 build (build/windows64) under 64-bit Wine; that is the
#                      default on a machine that cannot execute 32-bit programs
#
# The prefix is refreshed with scripts/demo-prefix.sh when the built programs are known, so the
# picture shows the current build and the demo's registry state.
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 OUT.png [CAPTION [ARGUMENTS...]]" >&2
    exit 2
fi

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine-env.sh"

out=$(realpath -m "$1")
caption=${2:-Quarl Launcher}
shift $(($# >= 2 ? 2 : 1))
exe=${QUARL_SHOT_EXE:-'C:\Quarl\Launcher.exe'}
quarl_wine_bits
[ "$QUARL_WINE_BITS" = 64 ] && echo "screenshot: using the x86-64 build under 64-bit Wine: $QUARL_WINE_REASON"
prefix=$(realpath -m "${QUARL_SHOT_PREFIX:-$QUARL_ROOT/build/demo-prefix$QUARL_WINE_SUFFIX}")
wait_seconds=${QUARL_SHOT_WAIT:-60}

for tool in Xvfb xdotool xwd convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "screenshot: $tool is missing (scripts/install-deps.sh screenshot)" >&2
        exit 1
    fi
done

# --- Private display ------------------------------------------------------------------------
display=97
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
xvfb_pid=
app_pid=
cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

screen=${QUARL_SHOT_SCREEN:-1024x768}
screen_width=${screen%x*}
screen_height=${screen#*x}
quarl_start_xvfb "$display" "$screen"
xvfb_pid=$QUARL_XVFB_PID
export DISPLAY=":$display"

# --- Demo prefix (after the display: Wine's session takes the display of its first program) --
paths=$QUARL_ROOT/build/$QUARL_WINDOWS_PRESET/demo/paths.sh
if [ -z "${QUARL_STANDIN_EXE:-}" ] && [ -f "$paths" ]; then
    # shellcheck disable=SC1090
    source "$paths"
fi
if [ -n "${QUARL_STANDIN_EXE:-}" ] && [ -f "$QUARL_STANDIN_EXE" ]; then
    setup=()
    [ -n "${QUARL_SETUP_EXE:-}" ] && [ -f "$QUARL_SETUP_EXE" ] && setup=("$QUARL_SETUP_EXE")
    "$here/demo-prefix.sh" "$prefix" "${QUARL_LAUNCHER_EXE:-}" "$QUARL_STANDIN_EXE" \
        "${setup[@]}" >/dev/null
elif [ ! -f "$prefix/drive_c/Games/Rogue Spear/RogueSpear.exe" ]; then
    echo "screenshot: no demo prefix at $prefix and no built programs to make one;" >&2
    echo "            build first: cmake --preset $QUARL_WINDOWS_PRESET &&" \
        "cmake --build --preset $QUARL_WINDOWS_PRESET" >&2
    exit 1
fi
quarl_wine_env "$prefix"
# The scale every program of the prefix starts with.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${QUARL_SHOT_DPI:-96}" \
    /f </dev/null >/dev/null 2>&1
if [ -n "${QUARL_SHOT_REG:-}" ]; then
    IFS=';' read -r -a values <<<"$QUARL_SHOT_REG"
    for value in "${values[@]}"; do
        IFS='|' read -r key name type data <<<"$value"
        wine reg add "$key" /v "$name" /t "$type" /d "$data" /f </dev/null >/dev/null 2>&1
    done
fi

unix_exe=$(winepath -u "$exe" 2>/dev/null || true)
if [ -z "$unix_exe" ] || [ ! -f "$unix_exe" ]; then
    echo "screenshot: $exe is not in the prefix $prefix" >&2
    exit 1
fi

# --- Program --------------------------------------------------------------------------------
(cd "$(dirname "$unix_exe")" && exec wine "$exe" "$@" </dev/null >/dev/null 2>&1) &
app_pid=$!
if [ -n "${QUARL_SHOT_HELPER:-}" ]; then
    # shellcheck disable=SC2086
    (wine $QUARL_SHOT_HELPER </dev/null >/dev/null 2>&1 &)
fi

# xdotool matches the caption as a regular expression.
pattern=$(printf '%s' "$caption" | sed 's/[][\.*^$(){}+?|]/\\&/g')
window=
deadline=$((SECONDS + wait_seconds))
while [ $SECONDS -lt $deadline ]; do
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$app_pid" 2>/dev/null; then
        echo "screenshot: $exe ended before a window \"$caption\" appeared" >&2
        exit 1
    fi
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "screenshot: no window \"$caption\" after $wait_seconds s" >&2
    exit 1
fi
sleep "${QUARL_SHOT_SETTLE:-1.5}" # let start-up work (lists, first paint) finish

# Waits for a visible window with the caption; prints its id.
find_window() {
    local pattern found limit=$((SECONDS + wait_seconds))
    pattern=$(printf '%s' "$1" | sed 's/[][\.*^$(){}+?|]/\\&/g')
    while [ $SECONDS -lt $limit ]; do
        found=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}
first_window=$window
if [ -n "${QUARL_SHOT_STEPS:-}" ]; then
    IFS=';' read -r -a steps <<<"$QUARL_SHOT_STEPS"
    for step in "${steps[@]}"; do
        keys=${step%%=*}
        next=${step#*=}
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove $((X + WIDTH / 2)) $((Y + 8)) click 1 >/dev/null 2>&1 || true
        sleep 0.3
        # A "click:DX,DY" token clicks that point of the window instead of typing a key.
        for token in $keys; do
            case "$token" in
            click:*)
                offset=${token#click:}
                xdotool mousemove $((X + ${offset%,*})) $((Y + ${offset#*,})) click 1 \
                    >/dev/null 2>&1 || true
                sleep 0.3
                ;;
            *) xdotool key --clearmodifiers "$token" >/dev/null 2>&1 || true ;;
            esac
        done
        if ! window=$(find_window "$next"); then
            echo "screenshot: no window \"$next\" after the keys $keys" >&2
            exit 1
        fi
        sleep "${QUARL_SHOT_STEP_WAIT:-1}"
    done
fi

crop=()
if [ "${QUARL_SHOT_FULL:-0}" != 1 ]; then
    eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
    # Keep the rectangle on the screen.
    if [ "$X" -lt 0 ]; then WIDTH=$((WIDTH + X)); X=0; fi
    if [ "$Y" -lt 0 ]; then HEIGHT=$((HEIGHT + Y)); Y=0; fi
    [ $((X + WIDTH)) -gt "$screen_width" ] && WIDTH=$((screen_width - X))
    [ $((Y + HEIGHT)) -gt "$screen_height" ] && HEIGHT=$((screen_height - Y))
    if [ "$WIDTH" -gt 0 ] && [ "$HEIGHT" -gt 0 ]; then
        crop=(-crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage)
    fi
fi
mkdir -p "$(dirname "$out")"
xwd -root -silent | convert xwd:- "${crop[@]}" "png:$out"

# --- Close the program the way a user would: Alt+F4 to its window (WM_CLOSE) -------------------
close_wait() {
    local limit=$((SECONDS + $1))
    while [ $SECONDS -lt $limit ]; do
        kill -0 "$app_pid" 2>/dev/null || return 0
        sleep 0.2
    done
    return 1
}
# Without a window manager, keys go to the window under the pointer, and Wine gives a freshly
# started window the keyboard only once it is clicked: click its caption first.
window=$first_window
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 8)) click 1 >/dev/null 2>&1 || true
sleep 0.3
xdotool key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
close_seconds=${QUARL_SHOT_CLOSE_WAIT:-10}
if ! close_wait "$close_seconds"; then
    echo "screenshot: warning: the program did not close on Alt+F4; sending WM_CLOSE" >&2
    wine taskkill /im "$(basename "$unix_exe")" </dev/null >/dev/null 2>&1 || true
    if ! close_wait "$close_seconds"; then
        echo "screenshot: warning: the program did not close; ending it" >&2
        wine taskkill /f /im "$(basename "$unix_exe")" </dev/null >/dev/null 2>&1 || true
        close_wait 5 || kill "$app_pid" 2>/dev/null || true
    fi
fi
wait "$app_pid" 2>/dev/null || true
app_pid=
# Let Wine's services leave the display before it goes away (they stop with the last program).
timeout 10 wineserver -w 2>/dev/null || true

echo "screenshot: $out"
