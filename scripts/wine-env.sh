# Shared Wine settings for tests, the demo and screenshots. Source it; it defines:
#   quarl_wine_env PREFIX           export the environment for a 32-bit prefix at PREFIX
#   quarl_make_prefix PREFIX MODE   create PREFIX once (MODE: "null" headless, "x11" for a display)
#   quarl_wine_warm                 start the wine server and its services before tests run
#   quarl_test_prefix               the headless test prefix (QUARL_TEST_PREFIX, by default
#                                   build/wine-test), made ready and exported
#   quarl_start_xvfb NUMBER         start a virtual screen :NUMBER (1024x768) in the background,
#                                   wait until it takes clients; its process id in QUARL_XVFB_PID

QUARL_ROOT=${QUARL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

quarl_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win32
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

quarl_make_prefix() {
    local prefix="$1" mode="${2:-null}"
    quarl_wine_env "$prefix"
    if [ ! -f "$prefix/.quarl-ready-$mode" ]; then
        rm -rf "$prefix"
        mkdir -p "$(dirname "$prefix")"
        wineboot -i >/dev/null 2>&1 </dev/null
        wineserver -w
        # Wine's own Tahoma and Marlett, so that windows look and measure as on Windows.
        cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma.ttf \
            /usr/share/wine/fonts/tahomabd.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
        # No window manager under Xvfb: Wine draws the captions itself.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
        if [ "$mode" = null ]; then
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
        fi
        wineserver -w
        touch "$prefix/.quarl-ready-$mode"
    fi
}

quarl_wine_warm() {
    # Otherwise Wine's background services inherit the test runner's output pipe.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

quarl_test_prefix() {
    QUARL_TEST_PREFIX=$(realpath -m "${QUARL_TEST_PREFIX:-$QUARL_ROOT/build/wine-test}")
    export QUARL_TEST_PREFIX
    quarl_make_prefix "$QUARL_TEST_PREFIX" null
}

quarl_start_xvfb() {
    local display="$1"
    # In its own session, so that Ctrl+C in the caller's terminal does not reach it first.
    setsid Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QUARL_XVFB_PID=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        kill -0 "$QUARL_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb :$display did not start" >&2
    return 1
}
