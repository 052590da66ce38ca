#!/usr/bin/env bash
# Start to first paint: Launcher.exe on the demo installation, from its process start to its
# main window visible, beside a bare Win32 dialog program, in turns, under Wine (headless). Two
# more floors show where the difference goes: the bare dialog with Common Controls 6, and the
# launcher's own main window template shown by a bare program.
#
#   bench/startup.sh [--quick]       ten runs each (--quick: one)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_windows Launcher standin_game floor_dialog floor_controls floor_template window_bench
quarl_bench_prefix
runs=10
[ "$QUARL_BENCH_QUICK" = 1 ] && runs=1
floors=()
for floor in Dialog Controls Template; do
    floors+=("$(winepath -w "$QUARL_BENCH_BUILD/bench/Floor$floor.exe")")
done
wine "$QUARL_BENCH_BUILD/bench/WindowBench.exe" startup "$runs" 'C:\Quarl\Launcher.exe' \
    "${floors[@]}" </dev/null
