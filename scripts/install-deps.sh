#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those that are missing.
#
#   scripts/install-deps.sh SET...
#
#   windows        windows-build, and wine with 32-bit support to run it
#   windows-build  cmake, ninja, mingw-w64 i686 (posix threads), Wine's fonts, NSIS (the
#                  installer); Xvfb too when there is no DISPLAY
#   windows64      windows-build, mingw-w64 x86-64 (posix threads) and 64-bit Wine, for
#                  machines that cannot execute 32-bit programs
#   probe          the assembler and linker that tell whether 32-bit programs run here
#   native      cmake, ninja, g++, GoogleTest sources, clang-format
#   fuzz        cmake, ninja, clang with libFuzzer and the sanitizer runtimes
#   screenshot  Xvfb, xdotool, xwd, ImageMagick
#   bench       iptables (makes a loopback address silent for the ping stall benchmark)
#
# Fast and silent when everything is there; otherwise runs apt-get update once and one
# apt-get install (as root, or through sudo). Non-interactive.
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 windows|windows-build|windows64|native|fuzz|screenshot|bench|probe..." >&2
    exit 2
fi

missing=()
need_i386=0

# need PACKAGE TEST...: PACKAGE is missing when the test fails.
#   cmd:NAME   a command on the PATH     file:PATH   a file
#   pkg        the package is installed (dpkg)
need() {
    local package="$1" test="$2" present=0
    case "$test" in
    cmd:*) command -v "${test#cmd:}" >/dev/null 2>&1 && present=1 ;;
    file:*) [ -e "${test#file:}" ] && present=1 ;;
    pkg)
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' &&
            present=1
        ;;
    esac
    if [ $present = 0 ]; then
        case " ${missing[*]-} " in
        *" $package "*) ;;
        *) missing+=("$package") ;;
        esac
    fi
}

for set in "$@"; do
    case "$set" in
    windows | windows-build | windows64)
        need cmake cmd:cmake
        need ninja-build cmd:ninja
        need g++-mingw-w64-i686-posix cmd:i686-w64-mingw32-g++-posix
        need fonts-wine file:/usr/share/wine/fonts/tahoma.ttf
        need nsis cmd:makensis
        [ -n "${DISPLAY:-}" ] || need xvfb cmd:Xvfb
        if [ "$set" = windows ]; then
            need wine cmd:wine
            need wine32:i386 pkg
        elif [ "$set" = windows64 ]; then
            need g++-mingw-w64-x86-64-posix cmd:x86_64-w64-mingw32-g++-posix
            need wine cmd:wine
            need wine64 file:/usr/lib/wine/wine64
        fi
        ;;
    native)
        need cmake cmd:cmake
        need ninja-build cmd:ninja
        need g++ cmd:g++
        need googletest file:/usr/src/googletest/CMakeLists.txt
        need clang-format cmd:clang-format
        ;;
    fuzz)
        need cmake cmd:cmake
        need ninja-build cmd:ninja
        need clang cmd:clang++
        need libclang-rt-dev pkg
        ;;
    screenshot)
        need xvfb cmd:Xvfb
        need xdotool cmd:xdotool
        need x11-apps cmd:xwd
        need imagemagick file:/usr/bin/convert
        ;;
    bench)
        need iptables file:/usr/sbin/iptables
        ;;
    probe)
        need binutils cmd:as
        ;;
    *)
        echo "install-deps: unknown set '$set' (windows, windows-build, windows64, native, fuzz, screenshot, bench, probe)" >&2
        exit 2
        ;;
    esac
done

[ ${#missing[@]} -eq 0 ] && exit 0

case " ${missing[*]} " in *":i386 "*) need_i386=1 ;; esac

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: missing packages: ${missing[*]}; install them as root" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ $need_i386 = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
