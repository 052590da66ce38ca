#!/usr/bin/env bash
# The stand-in game records its start exactly as it received it: installed as RogueSpear.exe,
# started with a mod and a server to join from another working folder, it appends one line
# to standin-log.txt beside itself holding its name, its unchanged command line and the
# working folder, and keeps what the log already held.
#
#   tests/e2e/standin_test.sh PATH/TO/StandInGame.exe
#
# Runs headless in the test prefix (build/wine-test, or QUARL_TEST_PREFIX).
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PATH/TO/StandInGame.exe" >&2
    exit 2
fi
standin=$(realpath "$1")

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
quarl_test_prefix
quarl_wine_warm
prefix=$QUARL_TEST_PREFIX

passed=0
failed=0
problems=()
check() { # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        problems+=("$1"$'\n'"    expected: $(printf '%q' "$2")"$'\n'"    actual:   $(printf '%q' "$3")")
    fi
}

# Folder names with spaces, as in a real installation.
root=$(mktemp -d "$prefix/drive_c/standin-test.XXXXXX")
trap 'rm -rf "$root"' EXIT
win_root="C:\\$(basename "$root")"
mkdir -p "$root/Rogue Spear" "$root/Work Folder"
cp "$standin" "$root/Rogue Spear/RogueSpear.exe"
log=$root/Rogue\ Spear/standin-log.txt
earlier=$'exe=RogueSpear.exe\tcmdline=earlier start\tcwd=C:\\\r\n'
printf '%s' "$earlier" >"$log"

game="$win_root\\Rogue Spear\\RogueSpear.exe"
work="$win_root\\Work Folder"
QUARL_STANDIN_NOWINDOW=1 timeout 60 wine start /d "$work" /wait "$game" \
    -mods "Tactical Realism" -client 127.0.0.1 2346 </dev/null >/dev/null 2>&1
status=$?

expected_line=$'exe=RogueSpear.exe\tcmdline="'"$game"$'" -mods "Tactical Realism" -client 127.0.0.1 2346\tcwd='"$work"$'\r\n'
check "exit code" 0 "$status"
# Byte for byte: the earlier line untouched, then exactly one new line ending in CR LF.
expected_log=$root/expected-log.txt
printf '%s%s' "$earlier" "$expected_line" >"$expected_log"
if ! cmp -s "$expected_log" "$log"; then
    problems+=("standin-log.txt differs; expected (sed -n 'l 0'):"$'\n'"$(sed -n 'l 0' "$expected_log")")
fi

if [ ${#problems[@]} -eq 0 ]; then
    passed=1
    echo "PASS stand-in logs its command line and working folder"
else
    failed=1
    echo "FAIL stand-in logs its command line and working folder"
    printf '  %s\n' "${problems[@]}"
    echo "  actual (sed -n 'l 0'):"
    sed -n 'l 0' "$log" 2>/dev/null
fi
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
