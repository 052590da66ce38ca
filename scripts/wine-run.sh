#!/usr/bin/env bash
# CTest's emulator: runs a Windows program under Wine in the headless test prefix.
#
#   scripts/wine-run.sh BITS PROGRAM [ARGUMENTS...]     BITS: 32 or 64, the program's own
#
# The toolchain files pass BITS, so each build's tests run under the Wine that fits them,
# whatever QUARL_WINE_BITS says in the caller's environment.
set -euo pipefail
export QUARL_WINE_BITS=$1 QUARL_WINE_REASON="the test program is a $1-bit program"
shift
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
quarl_test_prefix
exec wine "$@"
