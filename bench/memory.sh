#!/usr/bin/env bash
# Memory: the private bytes of Launcher.exe on the demo installation after start-up, after 100
# rounds of Host, Join and a mod change, and after 100 more, beside a bare Win32 dialog
# program's, under Wine (headless).
#
#   bench/memory.sh [--quick]        --quick: 10 rounds
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_windows Launcher standin_game floor_dialog window_bench
quarl_bench_prefix
rounds=100
[ "$QUARL_BENCH_QUICK" = 1 ] && rounds=10
wine "$QUARL_BENCH_BUILD/bench/WindowBench.exe" memory "$rounds" 'C:\Quarl\Launcher.exe' \
    "$(winepath -w "$QUARL_BENCH_BUILD/bench/FloorDialog.exe")" </dev/null
