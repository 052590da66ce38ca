# Shared by the benchmarks' scripts. Source it after `cd` to the project; it defines:
#   quarl_bench_args "$@"        reads --quick (one run each, smallest sizes): sets QUARL_BENCH_QUICK
#   quarl_bench_windows TARGET...  builds the Windows targets (the road scripts/test.sh takes)
#   quarl_bench_native            builds the core's benchmark natively (optimised): CoreBench
#   quarl_bench_prefix            the demo installation in a headless prefix of its own
#                                 (build/bench-prefix), reset to the demo state, exported
source scripts/wine-env.sh

quarl_bench_args() {
    QUARL_BENCH_QUICK=0
    for arg in "$@"; do
        case "$arg" in
        --quick) QUARL_BENCH_QUICK=1 ;;
        *)
            echo "usage: $0 [--quick]" >&2
            exit 2
            ;;
        esac
    done
}

quarl_bench_windows() {
    quarl_windows_deps bench >/dev/null
    cmake --preset "$QUARL_WINDOWS_PRESET" >/dev/null
    cmake --build --preset "$QUARL_WINDOWS_PRESET" -j 2 --target "$@" >/dev/null
    QUARL_BENCH_BUILD=build/$QUARL_WINDOWS_PRESET
}

quarl_bench_native() {
    scripts/install-deps.sh native >/dev/null
    cmake --preset native-bench >/dev/null
    cmake --build --preset native-bench -j 2 --target core_bench >/dev/null
    QUARL_CORE_BENCH=build/native-bench/bench/CoreBench
}

quarl_bench_prefix() {
    local prefix
    prefix=$(realpath -m "build/bench-prefix$QUARL_WINE_SUFFIX")
    scripts/demo-prefix.sh "$prefix" "$QUARL_BENCH_BUILD/Launcher.exe" \
        "$QUARL_BENCH_BUILD/demo/StandInGame.exe" >/dev/null
    quarl_wine_env "$prefix"
    # Headless: no display is needed, and none disturbs the times. The driver is chosen when the
    # prefix's wine server starts: it is restarted after the change.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    quarl_wine_warm
}
