#!/usr/bin/env bash
# Builds and runs every test: the portable core natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows build under Wine (platform contracts, the stand-in
# game and the real Launcher.exe end to end). Installs what is missing first.
#
# The product, the i686 build, is built on every run. Its tests run under 32-bit Wine where this
# machine executes 32-bit programs; where it cannot (a probe tells), the whole Windows tree is
# built again for x86-64 (preset windows64) and every Windows test runs under 64-bit Wine.
# QUARL_WINE_BITS=64 asks for the 64-bit run on any machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

scripts/install-deps.sh native
quarl_windows_deps screenshot
echo "== Windows tests will run under $QUARL_WINE_BITS-bit Wine: $QUARL_WINE_REASON"

echo "== Native build and tests (ASan/UBSan)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j 2
ctest --preset native-asan -j 2

echo "== Windows build (i686, the product)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2

if [ "$QUARL_WINE_BITS" = 64 ]; then
    echo "== Windows build (x86-64, to run the Windows tests under 64-bit Wine)"
    cmake --preset windows64 >/dev/null
    cmake --build --preset windows64 -j 2
fi

echo "== Windows tests under $QUARL_WINE_BITS-bit Wine ($QUARL_WINDOWS_PRESET build)"
# Wine's ICMP echo needs a raw socket (root) or a ping socket the user's group may open.
if [ "$(id -u)" -ne 0 ]; then
    read -r low high </proc/sys/net/ipv4/ping_group_range || true
    if ! { [ "${low:-1}" -le "$(id -g)" ] && [ "$(id -g)" -le "${high:-0}" ]; }; then
        echo "test: the echo tests will fail: not root, and group $(id -g) may not send pings" >&2
        echo "      (sudo sysctl net.ipv4.ping_group_range=\"0 2147483647\")" >&2
    fi
fi
quarl_test_prefix
quarl_wine_warm
ctest --preset "$QUARL_WINDOWS_PRESET" -j 2
