#!/usr/bin/env bash
# Sets up the machine, builds both builds and runs every test:
#   native  - platform-free code under AddressSanitizer/UBSan, and the fuzzers;
#   windows - the .scr and its Windows tests under Wine on a virtual display.
# Extra arguments go to both ctest runs (for example -R Mesh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELTRANE_BUILD:-$root/build}"
cd "$root"

bash tools/setup.sh

cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build/native"
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows"

status=0
ctest --test-dir "$build/native" --output-on-failure "$@" || status=1
(
  source tools/virtual_display.sh "$build/state"
  ctest --test-dir "$build/windows" --output-on-failure "$@"
) || status=1
exit $status
