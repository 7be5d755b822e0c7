#!/usr/bin/env bash
# Sets up the machine, builds both builds and runs every test:
#   native  - platform-free code under AddressSanitizer/UBSan, and the fuzzers;
#   windows - the .scr and its Windows tests under Wine on a virtual display.
# Extra arguments go to both ctest runs (for example -R Mesh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_common.sh"
build_native
build_windows

status=0
ctest --test-dir "$build/native" --output-on-failure "$@" || status=1
(
  source tools/virtual_display.sh "$build/state"
  ctest --test-dir "$build/windows" --output-on-failure "$@"
) || status=1
exit $status
