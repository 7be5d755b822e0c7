#!/usr/bin/env python3
"""Start-up time: from launching a program under Wine to its first frame on
screen, for the saver and for a minimal GLFW program, alternating in one run.

    startup_bench.py <VeltraneScreensaver.scr> <minimal_glfw.exe> [runs]

A frame counts as shown when any of 16 sample points of the (black) virtual
screen changes; the display, Wine prefix and wineserver come from
tools/virtual_display.sh. Prints the median and the ratio."""
import ctypes
import ctypes.util
import statistics
import subprocess
import sys
import time

xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XGetImage.restype = ctypes.c_void_p
xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
xlib.XGetPixel.restype = ctypes.c_ulong
xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
xlib.XDestroyImage = None  # a macro in Xlib; the images are tiny and few
xlib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]

display = xlib.XOpenDisplay(None)
root = xlib.XDefaultRootWindow(display)
screen_width, screen_height = xlib.XDisplayWidth(display, 0), xlib.XDisplayHeight(display, 0)
# A 4 x 4 grid of sample points: a dark patch of smoke cannot hide a frame.
samples = [(screen_width * (2 * i + 1) // 8, screen_height * (2 * j + 1) // 8)
           for i in range(4) for j in range(4)]
Z_PIXMAP = 2


def pixel(x, y):
    image = xlib.XGetImage(display, root, x, y, 1, 1, 0xFFFFFFFF, Z_PIXMAP)
    return xlib.XGetPixel(image, 0, 0) & 0xFFFFFF if image else 0


def screen_shows_frame():
    """Non-zero once any sample point shows something other than the black screen."""
    return max(pixel(x, y) for x, y in samples)


def time_to_first_frame(program, args):
    start = time.perf_counter()
    process = subprocess.Popen(["wine", program, *args], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    elapsed = None
    while time.perf_counter() - start < 30:
        if screen_shows_frame() != 0:
            elapsed = time.perf_counter() - start
            break
        time.sleep(0.002)
    subprocess.run(["xdotool", "key", "space"], check=False)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    while screen_shows_frame() != 0 and time.perf_counter() - start < 40:
        time.sleep(0.01)
    return elapsed


def main():
    scr, minimal = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    saver, yardstick = [], []
    time_to_first_frame(minimal, [])  # warm the file cache
    for _ in range(runs):
        saver.append(time_to_first_frame(scr, ["/s"]))
        yardstick.append(time_to_first_frame(minimal, []))
    saver = [s for s in saver if s is not None]
    yardstick = [s for s in yardstick if s is not None]
    ms = lambda seconds: seconds * 1000.0
    print("runs: %d each, alternating" % runs)
    print("saver   first frame: median %.0f ms (all: %s)" %
          (ms(statistics.median(saver)), ", ".join("%.0f" % ms(s) for s in saver)))
    print("minimal first frame: median %.0f ms (all: %s)" %
          (ms(statistics.median(yardstick)), ", ".join("%.0f" % ms(s) for s in yardstick)))
    print("ratio saver / minimal: %.2f" % (statistics.median(saver) / statistics.median(yardstick)))


if __name__ == "__main__":
    main()
