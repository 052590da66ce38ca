#!/usr/bin/env bash
# Runs a Windows program under Wine in the test prefix (headless); CTest's emulator.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
quarl_test_prefix
exec wine "$@"
