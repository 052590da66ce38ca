#!/usr/bin/env bash
# 100,000 address book rows: save and load through the launcher's core, natively, on this
# machine's disk, beside a plain write (flushed, as the launcher's are) and read of the same
# bytes; at 1,000, 10,000 and 100,000 rows, to show the growth. (bench/address-book.sh measures
# the same under Wine through the Windows file functions.)
#
#   bench/address-book-core.sh [--quick]   five runs each (--quick: one run, 100 to 10,000 rows)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_bench_native
if [ "$QUARL_BENCH_QUICK" = 1 ]; then
    "$QUARL_CORE_BENCH" book build 1 100 1000 10000
else
    "$QUARL_CORE_BENCH" book build 5 1000 10000 100000
fi
