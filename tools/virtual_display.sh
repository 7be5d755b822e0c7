# Sourced by the run and test commands: a private X display and Wine prefix.
#
#   source tools/virtual_display.sh <state-dir>
#
# Starts Xvfb (1280 x 720 x 24) on a free display unless VELTRANE_KEEP_DISPLAY=1
# and DISPLAY is already set, prepares a Wine prefix in <state-dir>/wineprefix
# once (wineboot takes 10-15 s), keeps one wineserver running for the whole
# session so every Wine process starts fast, and stops all of it on exit.

veltrane_state="$(mkdir -p "${1:?state directory}" && cd "$1" && pwd)"
mkdir -p "$veltrane_state"
export WINEPREFIX="$veltrane_state/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LIBGL_ALWAYS_SOFTWARE=1

veltrane_xvfb_pid=""
veltrane_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$veltrane_xvfb_pid" ]; then kill "$veltrane_xvfb_pid" 2>/dev/null || true; fi
}
trap veltrane_cleanup EXIT

if [ "${VELTRANE_KEEP_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 "${VELTRANE_SCREEN:-1280x720x24}" -nolisten tcp >/dev/null 2>&1 &
      veltrane_xvfb_pid=$!
      export DISPLAY=":$n"
      break
    fi
  done
  for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdpyinfo >/dev/null 2>&1 || { echo "virtual display did not start" >&2; exit 1; }
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "preparing a Wine prefix (once)..."
  wineboot -u >/dev/null 2>&1 || true
  wineserver -w
fi
wineserver -p

# The first Wine process of a session starts Wine's background services, and
# they inherit its standard handles: a test program started first would leave
# its output pipe open (ctest's test discovery then waits for it until it times
# out). Start them here, on /dev/null.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
