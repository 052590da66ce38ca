#!/usr/bin/env bash
# Size: Launcher.exe and redirect.exe as built (i686, the product), and the DLLs each imports:
# a single static program imports only the system's own.
#
#   bench/size.sh [--quick]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-env.sh
quarl_bench_args "$@"
quarl_windows_deps >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target Launcher redirect >/dev/null

echo "| Program | Size (bytes) | Size (MB) | Imports |"
echo "|---|---|---|---|"
summary=()
largest=0
for name in Launcher redirect; do
    exe=$(find build/windows -maxdepth 4 -name "$name.exe" -not -path '*/CMakeFiles/*' | head -n 1)
    if [ -z "$exe" ]; then
        echo "| $name.exe | not built | - | - |"
        summary+=("$name.exe not built")
        continue
    fi
    bytes=$(stat -c %s "$exe")
    megabytes=$(awk -v b="$bytes" 'BEGIN { printf "%.2f", b / 1048576 }')
    imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' |
        tr '[:upper:]' '[:lower:]' | sort -u | paste -sd, - | sed 's/,/, /g')
    echo "| $name.exe | $bytes | $megabytes | $imports |"
    summary+=("$name.exe $megabytes MB")
    [ "$bytes" -gt "$largest" ] && largest=$bytes
done
verdict=met
[ "$largest" -ge $((2 * 1048576)) ] && verdict=missed
joined=$(IFS=';'; echo "${summary[*]}" | sed 's/;/, /g')
echo "summary: | Size | $joined | - | - | single static exe < 2 MB | $verdict |"
