#!/usr/bin/env bash
# Measures the time from launching the .scr under Wine to its first frame on
# screen, beside a minimal GLFW program, on a virtual 1280 x 720 display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_common.sh"
build_windows VeltraneScreensaver minimal_glfw
source tools/virtual_display.sh "$build/state"
python3 tools/startup/startup_bench.py "$build/windows/app/VeltraneScreensaver.scr" \
  "$build/windows/tools/startup/minimal_glfw.exe" "${1:-7}"
