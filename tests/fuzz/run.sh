#!/usr/bin/env bash
# Fuzzes every target (or the ones named) for SECONDS each, one after the other, with libFuzzer
# under AddressSanitizer and UndefinedBehaviorSanitizer (clang, preset fuzz).
#
#   bash tests/fuzz/run.sh SECONDS [TARGET...]      e.g. run.sh 60 AddressBook Switches
#   QUARL_FUZZ_RUNS=10000000 bash tests/fuzz/run.sh 0   a number of executions instead of a time
#
# Each target starts from its seed corpus in tests/fuzz/corpus/TARGET and grows a working corpus
# in build/fuzz/corpus/TARGET; the repository's seeds are never changed. An input that breaks a
# target is kept in build/fuzz/findings/TARGET: copy it into the seed corpus with the fix, so
# that CTest replays it from then on. Prints the executions and findings of each target.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
seconds="$1"
shift
runs="${QUARL_FUZZ_RUNS:-}"
[ -n "$runs" ] || [ "$seconds" -gt 0 ] || { echo "run: SECONDS must be above 0" >&2; exit 2; }

# Allocations record no stack: a quarter more executions a second. A finding's full report comes
# from replaying it: build/native-asan/tests/fuzz/fuzz_TARGET FILE.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for seeds in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

failed=0
summary=()
for target in "${targets[@]}"; do
    program="build/fuzz/tests/fuzz/fuzz_$target"
    [ -x "$program" ] || { echo "run: no target $target" >&2; exit 2; }
    work="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    mkdir -p "$work" "$findings"
    limits=(-max_total_time="$seconds")
    [ -z "$runs" ] || limits=(-runs="$runs")
    [ "$seconds" -gt 0 ] && [ -n "$runs" ] && limits+=(-max_total_time="$seconds")
    # The files of rows (the address book, the mod selection) are fuzzed up to a kilobyte, some
    # ten rows: longer inputs add rows of the same kinds and only slow every execution down.
    max_len=4096
    case "$target" in AddressBook | ModsSettings) max_len=1024 ;; esac
    log="build/fuzz/$target.log"
    echo "== $target (${limits[*]} -max_len=$max_len)"
    status=0
    "$program" "${limits[@]}" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    found=$(find "$findings" -type f | wc -l)
    if [ $status -ne 0 ]; then
        failed=1
        grep -m 5 -E "ERROR|property does not hold|SUMMARY" "$log" || true
    fi
    summary+=("$(printf '%-20s %12s executions  %3d findings  exit %d' "$target" \
        "${executions:-?}" "$found" "$status")")
done
echo "== Summary"
printf '%s\n' "${summary[@]}"
exit $failed
