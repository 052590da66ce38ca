#!/usr/bin/env bash
# The address book benchmark: builds AddressBookBench.exe and runs it under Wine in the test
# prefix. It saves and loads books of 25,000, 50,000 and 100,000 rows through the launcher's own
# code on the real file system, beside a plain write and read of the same bytes in the same run,
# and prints a Markdown table of medians and ratios. A measurement: nothing is asserted.
#
#   bench/address-book.sh
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/wine-env.sh
quarl_windows_deps
cmake --preset "$QUARL_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$QUARL_WINDOWS_PRESET" -j 2 --target address_book_bench >/dev/null
quarl_test_prefix
quarl_wine_warm
wine "build/$QUARL_WINDOWS_PRESET/bench/AddressBookBench.exe" </dev/null
