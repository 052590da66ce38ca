#!/usr/bin/env bash
# Builds the launcher for Windows and starts it under Wine on a demo installation of the games.
#
#   scripts/run-demo.sh
#
# Installs missing Debian packages (scripts/install-deps.sh windows), builds the "windows"
# preset, prepares the Wine prefix build/demo-prefix (scripts/demo-prefix.sh), installs the
# launcher there through QuarlLauncherSetup.exe (silently, to C:\Quarl) and runs it. On a machine that cannot execute 32-bit programs (or with
# QUARL_WINE_BITS=64) it uses the "windows64" preset and a 64-bit prefix, build/demo-prefix64.
# The games in the prefix are stand-ins: each shows what the launcher asked it to do and records
# it in C:\Games\Rogue Spear\standin-log.txt.
# Without a DISPLAY the launcher runs on a virtual screen (Xvfb :99) that cannot be seen; take
# a picture with scripts/screenshot.sh instead, or end the demo with Ctrl+C.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
cd "$QUARL_ROOT"

quarl_windows_deps
build=$QUARL_ROOT/build/$QUARL_WINDOWS_PRESET
[ "$QUARL_WINE_BITS" = 64 ] && echo "run-demo: using the x86-64 build under 64-bit Wine: $QUARL_WINE_REASON"
prefix=$(realpath -m "${QUARL_DEMO_PREFIX:-$QUARL_ROOT/build/demo-prefix$QUARL_WINE_SUFFIX}")
quarl_wine_env "$prefix"

# --- Build ----------------------------------------------------------------------------------
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset "$QUARL_WINDOWS_PRESET"
fi
cmake --build --preset "$QUARL_WINDOWS_PRESET" -j 2 --target standin_game Launcher installer
source "$build/demo/paths.sh" # QUARL_STANDIN_EXE, QUARL_LAUNCHER_EXE, QUARL_SETUP_EXE

# --- Display (before any Wine program: the session keeps the display it starts with) --------
xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:99
    if [ -e /tmp/.X99-lock ] && kill -0 "$(tr -d ' ' </tmp/.X99-lock)" 2>/dev/null; then
        echo "run-demo: no DISPLAY; using the virtual screen already running on :99"
    else
        echo "run-demo: no DISPLAY; starting a virtual screen (Xvfb :99, 1024x768)."
        echo "run-demo: the launcher will not be visible; use scripts/screenshot.sh to see it,"
        echo "          Ctrl+C to end the demo."
        # Ctrl+C ends the launcher first and the screen after it.
        quarl_start_xvfb 99
        xvfb_pid=$QUARL_XVFB_PID
        # Wine's services leave with the last program; then the screen can go.
        trap 'timeout 10 wineserver -w 2>/dev/null; kill "$xvfb_pid" 2>/dev/null || true' EXIT
    fi
fi

# --- Demo installation and launcher ---------------------------------------------------------
# The launcher arrives through its installer, silently: the demo is what a player gets.
"$here/demo-prefix.sh" "$prefix" "$QUARL_LAUNCHER_EXE" "$QUARL_STANDIN_EXE" "$QUARL_SETUP_EXE"

echo "run-demo: starting C:\\Quarl\\Launcher.exe (Wine prefix $prefix)"
cd "$prefix/drive_c/Quarl"
# A Windows GUI program ignores Ctrl+C (SIGINT): pass it on as an end request.
wine 'C:\Quarl\Launcher.exe' &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true' INT TERM
status=0
wait "$launcher_pid" || status=$?
# wait returns early when a signal arrives: let the launcher finish ending.
while kill -0 "$launcher_pid" 2>/dev/null; do
    wait "$launcher_pid" || status=$?
done
exit $status
