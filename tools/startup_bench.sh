#!/usr/bin/env bash
# Measures the time from launching the .scr under Wine to its first frame on
# screen, beside a minimal GLFW program, on a virtual 1280 x 720 display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELTRANE_BUILD:-$root/build}"
cd "$root"
bash tools/setup.sh
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" --target VeltraneScreensaver minimal_glfw
source tools/virtual_display.sh "$build/state"
python3 tools/startup/startup_bench.py "$build/windows/app/VeltraneScreensaver.scr" \
  "$build/windows/tools/startup/minimal_glfw.exe" "${1:-7}"
