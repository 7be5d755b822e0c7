#!/usr/bin/env bash
# Builds the Windows build and runs the smoke shader benchmark under Wine on a
# 1920 x 1080 virtual display: median frame times of the shipped shader and of
# a literal transcription, their ratio, and the largest channel difference.
#   tools/bench.sh [rounds]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_common.sh"
build_windows smoke_benchmark

export VELTRANE_SCREEN=1920x1080x24
source tools/virtual_display.sh "$build/bench-state"
wine "$build/windows/bench/smoke_benchmark.exe" "$@" | tr -d '\r'
