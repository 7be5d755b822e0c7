#!/usr/bin/env bash
# Sets up the machine, builds the saver and runs it under Wine.
#
#   tools/run.sh [switch...]     default switch: /s
#
# With an X display (DISPLAY set and reachable) the saver runs there until a
# key or a click ends it. Without one it runs on a virtual 1280 x 720 display
# for a few seconds (VELTRANE_RUN_SECONDS, default 5), saves a screenshot to
# build/veltrane-screenshot.png and is ended with a key press.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_common.sh"
build_windows VeltraneScreensaver
scr="$build/windows/app/VeltraneScreensaver.scr"
echo "built $scr"

[ $# -gt 0 ] || set -- /s

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export VELTRANE_KEEP_DISPLAY=1
  source tools/virtual_display.sh "$build/state"
  echo "running on $DISPLAY: press a key or click to end it"
  wine "$scr" "$@"
else
  source tools/virtual_display.sh "$build/state"
  shot="$build/veltrane-screenshot.png"
  wine "$scr" "$@" &
  saver=$!
  sleep "${VELTRANE_RUN_SECONDS:-5}"
  import -window root "$shot"
  xdotool key space
  status=0
  wait "$saver" || status=$?
  echo "screenshot: $shot"
  echo "saver exit code: $status"
fi
