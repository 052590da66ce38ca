#!/usr/bin/env bash
# The registry opens and file system calls of one start (creation and first paint) on the demo
# installation, counted natively around the fake platform: a rise in a later change shows here.
#
#   bench/start-counts.sh [--quick]   (--quick changes nothing: the count is exact)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_native
"$QUARL_CORE_BENCH" count demo/data
