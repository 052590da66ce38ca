#!/usr/bin/env bash
# Builds and runs every test: the portable core natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows build under Wine (platform contracts, the stand-in
# game and the real Launcher.exe end to end). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native windows

echo "== Native build and tests (ASan/UBSan)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j 2
ctest --preset native-asan -j 2

echo "== Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2

echo "== Windows tests under Wine"
# Wine's ICMP echo needs a raw socket (root) or a ping socket the user's group may open.
if [ "$(id -u)" -ne 0 ]; then
    read -r low high </proc/sys/net/ipv4/ping_group_range || true
    if ! { [ "${low:-1}" -le "$(id -g)" ] && [ "$(id -g)" -le "${high:-0}" ]; }; then
        echo "test: the echo tests will fail: not root, and group $(id -g) may not send pings" >&2
        echo "      (sudo sysctl net.ipv4.ping_group_range=\"0 2147483647\")" >&2
    fi
fi
source scripts/wine-env.sh
quarl_test_prefix
quarl_wine_warm
ctest --preset windows -j 2
