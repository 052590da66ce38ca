#!/usr/bin/env bash
# The ping stall benchmark: builds PingStallBench.exe, makes a loopback address silent with an
# iptables rule (removed again however the run ends), and runs the benchmark under Wine.
#
#   bench/ping-stall.sh [ADDRESS [TICKS]]    ADDRESS 127.x.x.x (default 127.0.0.5)
#
# Needs root (or sudo) for the rule and for Wine's echo (raw socket rights).
set -euo pipefail
cd "$(dirname "$0")/.."

address=${1:-127.0.0.5}
ticks=${2:-3}
case "$address" in
127.*) ;;
*)
    echo "ping-stall: $address is not a loopback address (127.x.x.x)" >&2
    exit 2
    ;;
esac

source scripts/wine-env.sh
quarl_windows_deps bench
[ "$QUARL_WINE_BITS" = 64 ] && echo "ping-stall: the x86-64 build under 64-bit Wine: $QUARL_WINE_REASON"
cmake --preset "$QUARL_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$QUARL_WINDOWS_PRESET" -j 2 --target ping_stall_bench >/dev/null

if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
rule=(INPUT -d "$address" -p icmp --icmp-type echo-request -j DROP)
"${as_root[@]}" iptables -A "${rule[@]}"
trap '"${as_root[@]}" iptables -D "${rule[@]}"' EXIT

quarl_test_prefix
quarl_wine_warm
wine "build/$QUARL_WINDOWS_PRESET/bench/PingStallBench.exe" "$address" "$ticks" </dev/null
