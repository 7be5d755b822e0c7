#!/usr/bin/env python3
"""End to end: the real .scr started with /p inside a host that behaves like the
screensaver settings dialog (tests/preview/preview_host.cpp).

    preview_e2e_test.py <VeltraneScreensaver.scr> <preview_host.exe> <msgbox_tool.exe>
"""
import os
import queue
import subprocess
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from wine_session import WineProcess, run, wait_for, windows_titled, xdotool  # noqa: E402

SCR = HOST = MSGBOX = None
REPLY_TIMEOUT = 30
SAVER_TITLE = "VeltraneScreensaver"


class Host:
    """The test host under Wine, spoken to one command line at a time."""

    def __init__(self):
        env = dict(os.environ)
        self.process = subprocess.Popen(["wine", HOST, SCR], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        words = self._next_line().split()
        assert words[0] == "picture", words
        self.picture, self.x, self.y, self.width, self.height = map(int, words[1:])

    def _read(self):
        for raw in self.process.stdout:
            self.lines.put(raw.decode("latin-1").strip())

    def _next_line(self):
        return self.lines.get(timeout=REPLY_TIMEOUT)

    def ask(self, command):
        self.process.stdin.write((command + "\n").encode())
        self.process.stdin.flush()
        return self._next_line()

    def start(self, arguments):
        words = self.ask("start " + arguments).split()
        assert words[0] == "started", words
        return words[1]

    def wait(self, saver, seconds):
        """The saver's exit code, or None while it runs."""
        words = self.ask("wait %s %d" % (saver, seconds * 1000)).split()
        return int(words[1]) if words[0] == "exit" else None

    def close(self):
        if self.process.poll() is None:
            try:
                self.ask("quit")
                self.process.wait(timeout=10)
            except Exception:
                self.process.kill()
                self.process.wait(timeout=10)
        self.process.stdin.close()
        self.process.stdout.close()


def no_message_box_within(milliseconds):
    code, _ = run(["wine", MSGBOX, "none", str(milliseconds)], timeout=60)
    return code == 0


class PreviewTest(unittest.TestCase):
    def setUp(self):
        self.host = Host()
        self.addCleanup(self.host.close)

    def start_preview(self):
        saver = self.host.start("/p {picture}")
        self.assertTrue(wait_for(lambda: self.host.ask("child").startswith("child VeltranePreview"),
                                 REPLY_TIMEOUT), "the preview did not appear in the picture")
        return saver

    def test_preview_draws_in_a_disabled_child_and_keeps_running_without_a_box(self):
        saver = self.start_preview()
        self.assertEqual(self.host.ask("child"), "child VeltranePreview 0 0 152 112 0")
        self.assertTrue(no_message_box_within(1500))
        self.assertIsNone(self.host.wait(saver, 0.5))
        self.assertEqual(self.host.ask("picture"), "picture 1 1 0",
                         "the picture must keep its own procedure")

    def test_click_on_the_preview_reaches_the_host_and_leaves_the_saver_running(self):
        saver = self.start_preview()
        before = int(self.host.ask("clicks").split()[1])
        xdotool("mousemove", str(self.host.x + 76), str(self.host.y + 56), "click", "1")
        self.assertTrue(wait_for(lambda: int(self.host.ask("clicks").split()[1]) > before, 5),
                        "the click did not reach the host's picture")
        self.assertIsNone(self.host.wait(saver, 1))

    def test_second_preview_ends_at_once_and_a_full_screen_saver_runs_beside(self):
        first = self.start_preview()
        second = self.host.start("/p {picture}")
        self.assertEqual(self.host.wait(second, 10), 0)
        self.assertTrue(no_message_box_within(500))
        beside = self.host.start("/s")
        self.assertTrue(wait_for(lambda: windows_titled(SAVER_TITLE), 30), "no /s window")
        self.assertIsNone(self.host.wait(beside, 0.5))
        self.assertIsNone(self.host.wait(first, 0.1))
        self.host.ask("kill " + beside)

    def test_disabling_the_picture_ends_the_saver_within_a_second(self):
        saver = self.start_preview()
        time.sleep(0.5)
        self.host.ask("disable")
        started = time.monotonic()
        self.assertEqual(self.host.wait(saver, 5), 0)
        self.assertLess(time.monotonic() - started, 1.0)
        self.assertEqual(self.host.ask("picture"), "picture 1 1 0")
        self.assertEqual(self.host.ask("child"), "child none")

    def test_destroying_the_host_window_ends_the_saver(self):
        saver = self.start_preview()
        time.sleep(0.5)
        self.host.ask("destroy")
        self.assertEqual(self.host.wait(saver, 5), 0)
        self.assertTrue(no_message_box_within(500))

    def test_handle_that_names_no_window_ends_at_once_without_a_box(self):
        for arguments in ("/p 12345", "/p", "/p notanumber"):
            with self.subTest(command_line=arguments):
                saver = self.host.start(arguments)
                self.assertEqual(self.host.wait(saver, 10), 0)
                self.assertTrue(no_message_box_within(300))

    def test_preview_without_opengl_2_shows_only_glfws_report_and_ends(self):
        os.environ["MESA_GL_VERSION_OVERRIDE"] = "1.4"
        try:
            host = Host()  # the saver inherits the host's environment
        finally:
            del os.environ["MESA_GL_VERSION_OVERRIDE"]
        self.addCleanup(host.close)
        saver = host.start("/p {picture}")
        code, text = run(["wine", MSGBOX, "wait", "Error", "30000"], timeout=60)
        self.assertEqual(code, 0, "GLFW's error box did not appear")
        self.assertIn("WGL", text)
        self.assertEqual(host.wait(saver, 10), 0)
        self.assertTrue(no_message_box_within(300), "a second box followed GLFW's report")
        self.assertEqual(host.ask("child"), "child none")
        self.assertEqual(host.ask("picture"), "picture 1 1 0")


if __name__ == "__main__":
    SCR, HOST, MSGBOX = sys.argv[1], sys.argv[2], sys.argv[3]
    unittest.main(argv=[sys.argv[0], "-v"])
