#!/usr/bin/env python3
"""End to end: the real .scr on the virtual display, driven like a user would.

    saver_e2e_test.py <VeltraneScreensaver.scr> <msgbox_tool.exe>
"""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from wine_session import (WineProcess, geometry, run, screen_size, wait_for,  # noqa: E402
                          windows_titled, xdotool)

SCR = MSGBOX = None
TITLE = "VeltraneScreensaver"
START_TIMEOUT = 30


def no_saver_windows():
    return not windows_titled(TITLE)


class SaverTest(unittest.TestCase):
    def setUp(self):
        # A saver left over by an earlier case would hold the single-instance marker.
        self.assertTrue(wait_for(no_saver_windows, 10), "a saver window is still open")

    def start(self, *args, extra_env=None):
        saver = WineProcess(SCR, *args, extra_env=extra_env)
        self.addCleanup(saver.stop)
        return saver

    def wait_for_windows(self, count):
        found = wait_for(lambda: len(windows_titled(TITLE)) >= count and windows_titled(TITLE),
                         START_TIMEOUT)
        self.assertTrue(found, "expected %d saver window(s)" % count)
        return found

    def assert_full_screen(self, window):
        x, y, width, height = geometry(window)
        self.assertEqual((x, y, width, height), (0, 0) + screen_size())

    def test_saver_and_switchless_open_one_full_screen_window(self):
        for args in (["/s"], [], ["/S"], ["-s"]):
            with self.subTest(command_line=args):
                saver = self.start(*args)
                windows = self.wait_for_windows(1)
                self.assertEqual(len(windows), 1)
                self.assert_full_screen(windows[0])
                xdotool("key", "a")
                self.assertEqual(saver.wait(10), 0)
                self.assertTrue(wait_for(no_saver_windows, 10))

    def test_key_and_mouse_button_end_the_saver(self):
        for name, action in (("key press", ["key", "space"]),
                             ("escape", ["key", "Escape"]),
                             ("left button", ["click", "1"]),
                             ("right button", ["click", "3"])):
            with self.subTest(event=name):
                saver = self.start("/s")
                self.wait_for_windows(1)
                time.sleep(0.3)
                xdotool(*action)
                self.assertEqual(saver.wait(10), 0)
                self.assertTrue(wait_for(no_saver_windows, 10))

    def test_mouse_motion_and_wheel_do_not_end_the_saver(self):
        saver = self.start("/s")
        self.wait_for_windows(1)
        time.sleep(0.3)
        xdotool("mousemove", "10", "10", "mousemove", "600", "400", "mousemove", "900", "100")
        xdotool("click", "4")  # wheel up
        xdotool("click", "5")  # wheel down
        self.assertIsNone(saver.wait(1.5), "the saver ended on motion or wheel")
        xdotool("key", "a")
        self.assertEqual(saver.wait(10), 0)

    def test_second_switchless_saver_ends_at_once_but_s_runs_beside(self):
        first = self.start()
        self.wait_for_windows(1)
        for args in ([], ["/p", "1234"]):
            with self.subTest(second=args):
                second = self.start(*args)
                self.assertEqual(second.wait(10), 0)
                self.assertEqual(len(windows_titled(TITLE)), 1)
                self.assertEqual(run(["wine", MSGBOX, "list"])[1].strip(), "",
                                 "the second process showed a message box")
        beside = self.start("/s")
        self.wait_for_windows(2)
        self.assertTrue(first.running())
        self.assertTrue(beside.running())
        xdotool("key", "a")  # reaches the focused one
        wait_for(lambda: not first.running() or not beside.running(), 10)
        for saver in (first, beside):
            saver.stop()

    def test_no_opengl_2_context_shows_glfw_error_then_failed_to_open_window(self):
        saver = self.start("/s", extra_env={"MESA_GL_VERSION_OVERRIDE": "1.4"})
        code, text = run(["wine", MSGBOX, "wait", "Error", "30000"], timeout=60)
        self.assertEqual(code, 0, "GLFW's error box did not appear")
        self.assertIn("WGL", text)
        code, text = run(["wine", MSGBOX, "wait", "Debug", "30000"], timeout=60)
        self.assertEqual(code, 0, "the Debug box did not appear")
        self.assertEqual(text, "Failed to open window")
        self.assertEqual(saver.wait(10), 0)
        self.assertTrue(no_saver_windows())


if __name__ == "__main__":
    SCR, MSGBOX = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0], "-v"])
