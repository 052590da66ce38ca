#!/usr/bin/env bash
# 10,000 mod folders: the mod list fill and the last mod restore (as one start does them)
# through the launcher's core, natively, on real folders of this machine's disk, beside a plain
# listing of the same folder; at 100, 1,000 and 10,000 folders, to show the growth.
#
#   bench/mod-folders.sh [--quick]   five runs each (--quick: one run, 10 to 1,000 folders)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_native
if [ "$QUARL_BENCH_QUICK" = 1 ]; then
    "$QUARL_CORE_BENCH" mods build 1 10 100 1000
else
    "$QUARL_CORE_BENCH" mods build 5 100 1000 10000
fi
