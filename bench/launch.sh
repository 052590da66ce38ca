#!/usr/bin/env bash
# Launch click to game process: the launcher's Launch command on the demo installation (join a
# loopback server with a mod) to the stand-in game's process start, beside ShellExecute of the
# same stand-in from the benchmark itself, in turns, under Wine (headless).
#
#   bench/launch.sh [--quick]        ten launches each (--quick: one)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_windows Launcher standin_game window_bench
quarl_bench_prefix
runs=10
[ "$QUARL_BENCH_QUICK" = 1 ] && runs=1
wine "$QUARL_BENCH_BUILD/bench/WindowBench.exe" launch "$runs" 'C:\Quarl\Launcher.exe' \
    'C:\Games\Rogue Spear' </dev/null
