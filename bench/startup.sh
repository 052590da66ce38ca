#!/usr/bin/env bash
# Start to first paint: Launcher.exe on the demo installation, from its process start to its
# main window visible, beside a bare Win32 dialog program, in turns, under Wine (headless).
#
#   bench/startup.sh [--quick]       ten runs each (--quick: one)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_windows Launcher standin_game floor_dialog window_bench
quarl_bench_prefix
runs=10
[ "$QUARL_BENCH_QUICK" = 1 ] && runs=1
wine "$QUARL_BENCH_BUILD/bench/WindowBench.exe" startup "$runs" 'C:\Quarl\Launcher.exe' \
    "$(winepath -w "$QUARL_BENCH_BUILD/bench/FloorDialog.exe")" </dev/null
