#!/usr/bin/env python3
"""End to end: `/s` fills the virtual display with the moving smoke.

    smoke_screen_test.py <VeltraneScreensaver.scr>
"""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from wine_session import WineProcess, wait_for, windows_titled, xdotool  # noqa: E402

SCR = None
TITLE = "VeltraneScreensaver"


def screenshot():
    """The whole screen as RGB bytes."""
    return subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                          stdout=subprocess.PIPE, check=True, timeout=30).stdout


class SmokeScreenTest(unittest.TestCase):
    def assert_smoke(self, pixels):
        red, green, blue = pixels[0::3], pixels[1::3], pixels[2::3]
        self.assertGreater(len(red), 0)
        self.assertFalse(any(abs(r - g) > 1 for r, g in zip(red, green)),
                         "a pixel whose red and green differ")
        self.assertFalse(any(b < r for r, b in zip(red, blue)), "a pixel redder than blue")
        # Not a blank screen: the smoke has bright and dark parts.
        self.assertGreater(max(blue) - min(blue), 100)
        self.assertGreater(sum(blue) / len(blue), 20)

    def test_saver_shows_moving_smoke(self):
        saver = WineProcess(SCR, "/s")
        self.addCleanup(saver.stop)
        self.assertTrue(wait_for(lambda: windows_titled(TITLE), 30), "no saver window")
        time.sleep(2)  # past the first frames
        first = screenshot()
        time.sleep(1)
        second = screenshot()
        self.assert_smoke(first)
        self.assert_smoke(second)
        self.assertNotEqual(first, second, "the picture did not move")
        xdotool("key", "a")
        self.assertEqual(saver.wait(15), 0)


if __name__ == "__main__":
    SCR = sys.argv[1]
    unittest.main(argv=[sys.argv[0], "-v"])
