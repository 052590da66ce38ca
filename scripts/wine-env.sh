# Shared Wine settings for tests, the demo and screenshots. Source it; it defines:
#   quarl_wine_bits                 decide which Wine this run uses, 32 or 64 bits, and why:
#                                   sets QUARL_WINE_BITS, QUARL_WINE_REASON, QUARL_WINDOWS_PRESET
#                                   and QUARL_WINE_SUFFIX ("64" or empty, for prefix names)
#   quarl_windows_deps [SET...]     install what the chosen road needs (and the extra sets)
#   quarl_wine_env PREFIX           export the environment for a prefix at PREFIX, of the bits
#                                   QUARL_WINE_BITS names
#   quarl_make_prefix PREFIX MODE   create PREFIX once (MODE: "null" headless, "x11" for a display)
#   quarl_wine_warm                 start the wine server and its services before tests run
#   quarl_test_prefix               the headless test prefix (QUARL_TEST_PREFIX, by default
#                                   build/wine-test, or build/wine-test64 for 64 bits), made ready
#                                   and exported
#   quarl_start_xvfb NUMBER [SIZE]  start a virtual screen :NUMBER (SIZE, default 1024x768) in the background,
#                                   wait until it takes clients; its process id in QUARL_XVFB_PID
#
# The product is a 32-bit program and runs under 32-bit Wine. Some machines cannot execute any
# 32-bit Linux program, and so cannot start 32-bit Wine: there the x86-64 build of the same
# sources runs under 64-bit Wine instead. QUARL_WINE_BITS=64 asks for that on any machine.

QUARL_ROOT=${QUARL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# True when this machine executes 32-bit programs: runs a tiny static 32-bit program (exit 0).
quarl_can_run_32bit() {
    local dir status=1
    dir=$(mktemp -d)
    if printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
        as --32 -o "$dir/probe.o" - 2>/dev/null &&
        ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null; then
        "$dir/probe" 2>/dev/null && status=0
    fi
    rm -rf "$dir"
    return $status
}

quarl_wine_bits() {
    case "${QUARL_WINE_BITS:-}" in
    32 | 64) QUARL_WINE_REASON=${QUARL_WINE_REASON:-"QUARL_WINE_BITS=$QUARL_WINE_BITS asks for it"} ;;
    '')
        if quarl_can_run_32bit; then
            QUARL_WINE_BITS=32
            QUARL_WINE_REASON="this machine executes 32-bit programs"
        else
            QUARL_WINE_BITS=64
            QUARL_WINE_REASON="this machine cannot execute 32-bit programs (a 32-bit probe failed)"
        fi
        ;;
    *)
        echo "QUARL_WINE_BITS must be 32 or 64, not '$QUARL_WINE_BITS'" >&2
        return 2
        ;;
    esac
    if [ "$QUARL_WINE_BITS" = 64 ]; then
        QUARL_WINDOWS_PRESET=windows64 QUARL_WINE_SUFFIX=64
    else
        QUARL_WINDOWS_PRESET=windows QUARL_WINE_SUFFIX=
    fi
    export QUARL_WINE_BITS QUARL_WINE_REASON QUARL_WINDOWS_PRESET QUARL_WINE_SUFFIX
}

quarl_windows_deps() {
    # The probe needs the assembler and linker before the road is chosen.
    "$QUARL_ROOT/scripts/install-deps.sh" probe
    quarl_wine_bits
    if [ "$QUARL_WINE_BITS" = 64 ]; then
        "$QUARL_ROOT/scripts/install-deps.sh" windows64 "$@"
    else
        "$QUARL_ROOT/scripts/install-deps.sh" windows "$@"
    fi
}

quarl_wine_env() {
    quarl_wine_bits
    export WINEPREFIX="$1"
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko; and no menu entries or file associations on the Linux desktop for what
    # an installer in the prefix registers.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [ "$QUARL_WINE_BITS" = 64 ]; then
        export WINEARCH=win64
        case ":$PATH:" in
        *":$QUARL_ROOT/scripts/wine64:"*) ;;
        *) export PATH="$QUARL_ROOT/scripts/wine64:$PATH" ;;
        esac
    else
        export WINEARCH=win32
    fi
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
    quarl_wine_bits
    QUARL_TEST_PREFIX=$(realpath -m "${QUARL_TEST_PREFIX:-$QUARL_ROOT/build/wine-test$QUARL_WINE_SUFFIX}")
    export QUARL_TEST_PREFIX
    quarl_make_prefix "$QUARL_TEST_PREFIX" null
}

quarl_start_xvfb() {
    local display="$1" size="${2:-1024x768}"
    # In its own session, so that Ctrl+C in the caller's terminal does not reach it first.
    setsid Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    QUARL_XVFB_PID=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        kill -0 "$QUARL_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb :$display did not start" >&2
    return 1
}
