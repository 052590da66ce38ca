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
source scripts/wine-env.sh
export QUARL_TEST_PREFIX="$PWD/build/wine-test"
quarl_make_prefix "$QUARL_TEST_PREFIX" null
quarl_wine_warm
ctest --preset windows -j 2
