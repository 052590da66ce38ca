#!/usr/bin/env bash
# Every benchmark, one after the other, and one Markdown table of them all: each row measures
# the launcher and its floor in the same run, in turns, and gives medians and their ratio.
# Writes the table, the method, the machine, the date and each benchmark's own table to
# docs/benchmarks.md. A measurement: nothing is asserted on times; the exit status is 1 only
# when a benchmark could not run.
#
#   bash bench/run-all.sh            the full run (a few minutes), writes docs/benchmarks.md
#   bash bench/run-all.sh --quick    one run each at the smallest sizes, so that the benchmarks
#                                    cannot rot (CI); prints the table, writes no document
#
# Each benchmark also runs alone: bench/<name>.sh [--quick].
set -euo pipefail
cd "$(dirname "$0")/.."

quick=()
case "${1:-}" in
'') ;;
--quick) quick=(--quick) ;;
*)
    echo "usage: $0 [--quick]" >&2
    exit 2
    ;;
esac

# Name, command and what it measures, in the table's order.
benchmarks=(
    "startup|bench/startup.sh ${quick[*]}"
    "launch|bench/launch.sh ${quick[*]}"
    "ping-stall|bench/ping-stall.sh 127.0.0.5 ${quick:+1}"
    "mod-folders|bench/mod-folders.sh ${quick[*]}"
    "address-book-core|bench/address-book-core.sh ${quick[*]}"
    "memory|bench/memory.sh ${quick[*]}"
    "size|bench/size.sh ${quick[*]}"
    "start-counts|bench/start-counts.sh ${quick[*]}"
)

logs=build/bench-logs
mkdir -p "$logs"
started=$(date -u '+%Y-%m-%d %H:%M UTC')
load=$(cut -d' ' -f1-3 /proc/loadavg)
rows=()
failed=0
for entry in "${benchmarks[@]}"; do
    name=${entry%%|*}
    command=${entry#*|}
    echo "== $name: $command" >&2
    # shellcheck disable=SC2086 # the command's words
    if bash $command >"$logs/$name.md" 2>"$logs/$name.err"; then
        row=$(sed -n 's/^summary: //p' "$logs/$name.md" | tail -n 1)
        [ -n "$row" ] || row="| $name | no summary line | - | - | - | - |"
    else
        failed=1
        reason=$(grep -v '^$' "$logs/$name.err" | tail -n 1 | tr '|' '/')
        row="| $name | did not run: ${reason:-see $logs/$name.err} | - | - | - | - |"
    fi
    rows+=("$row")
done

table=$(
    echo "| Row | Launcher | Floor in the same run | Launcher / floor | Goal | Result |"
    echo "|---|---|---|---|---|---|"
    printf '%s\n' "${rows[@]}"
)
echo "$table"

if [ ${#quick[@]} -eq 0 ]; then
    source scripts/wine-env.sh
    quarl_wine_bits
    cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
    {
        echo "# Benchmarks"
        echo
        echo "How fast and how small the launcher is, against the floor, measured by"
        echo "\`bash bench/run-all.sh\` on $started."
        echo
        echo "$table"
        echo
        echo "## Method"
        echo
        echo "Every row measures the launcher and its floor in the same run, in turns (launcher, floor,"
        echo "launcher, floor ...), after one run of each that is not counted, and gives the medians and"
        echo "their ratio. Rows marked Wine run the real i686 \`Launcher.exe\` on the demo installation"
        echo "(\`scripts/demo-prefix.sh\`) in a headless prefix of their own, driven from outside by"
        echo "\`WindowBench.exe\`: absolute times under Wine mean little, the ratio does. Rows marked"
        echo "native run the launcher's own code, built optimised (preset \`native-bench\`), on real"
        echo "files and folders of this machine's disk (\`CoreBench\`). \"Linear\" rows measure three sizes,"
        echo "each ten times the one before, and give the growth factor of each step: about 10 is"
        echo "linear. The counts of one start are exact: a counting layer around the registry and the"
        echo "file system of the fake platform, natively. Nothing is asserted on times."
        echo
        echo "## Machine"
        echo
        echo "- $cpu, $(nproc) cores, shared with other work (load average $load at the start)"
        echo "- $(uname -sr), $(wine --version 2>/dev/null || echo 'Wine'), $QUARL_WINE_BITS-bit Wine"
        echo "  ($QUARL_WINE_REASON)"
        # What was found where a row misses its goal: written by hand, kept with the benchmarks.
        echo
        cat bench/findings.md
        for entry in "${benchmarks[@]}"; do
            name=${entry%%|*}
            echo
            echo "## $name"
            echo
            echo "\`${entry#*|}\`"
            echo
            grep -v '^summary: ' "$logs/$name.md" || echo "(no output: see \`$logs/$name.err\`)"
        done
    } >docs/benchmarks.md
    echo "Written: docs/benchmarks.md" >&2
fi
exit $failed
