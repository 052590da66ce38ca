#!/usr/bin/env bash
# Runs a Windows test program in a Wine prefix made fresh for it (build/wine-install, or
# build/wine-install64 on the 64-bit road), so that nothing an earlier run left behind can help
# it pass. The prefix stays afterwards for a look, and is made again by the next run.
#
#   tests/e2e/fresh_prefix.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail

if [ $# -lt 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2
    exit 2
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
quarl_wine_bits
prefix=$QUARL_ROOT/build/wine-install$QUARL_WINE_SUFFIX
echo "fresh_prefix: making $prefix ($QUARL_WINE_BITS-bit Wine: $QUARL_WINE_REASON)"
if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix timeout 20 wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
quarl_make_prefix "$prefix" null
quarl_wine_warm
program=$1
shift
wine "$program" "$@" </dev/null
status=$?
# The prefix's server and services go with the test.
timeout 20 wineserver -k 2>/dev/null || true
exit $status
