#!/usr/bin/env bash
# Runs a Windows program under Wine in the test prefix (headless); CTest's emulator.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
prefix=${QUARL_TEST_PREFIX:-$QUARL_ROOT/build/wine-test}
quarl_make_prefix "$prefix" null
exec wine "$@"
