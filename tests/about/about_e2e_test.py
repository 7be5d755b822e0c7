#!/usr/bin/env python3
"""End to end: the real .scr's About window on the virtual display.

    about_e2e_test.py <VeltraneScreensaver.scr> <about_probe.exe> <about_logo.bmp>
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from wine_session import (WineProcess, run, screen_size, wait_for,  # noqa: E402
                          windows_titled, xdotool)

SCR = PROBE = LOGO = None
TITLE = "About"
LINK = "https://orvatek.example/?utm_source=About"
FACE = (177, 232, 179)
BROWSER_KEY = r"HKCU\Software\Wine\WineBrowser"


def read_facts(text):
    """The probe's lines as a dict; the controls as a list of tuples."""
    facts = {"controls": []}
    for line in text.splitlines():
        key, _, rest = line.partition(" ")
        if key == "control":
            kind, ident, left, top, width, height, label = rest.split(" ", 6)
            facts["controls"].append((kind.lower(), int(ident), int(left), int(top),
                                      int(width), int(height), label))
        elif key == "styles":
            facts[key] = {name: int(value) for name, value in
                          (item.split("=") for item in rest.split())}
        elif key in ("window", "client", "buttonface"):
            facts[key] = tuple(int(value) for value in rest.split())
        else:
            facts[key] = rest
    return facts


def pixels(image, left, top, width, height):
    """RGB tuples of a rectangle of an image, row by row."""
    out = subprocess.run(["convert", image, "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                          "+repage", "txt:-"], stdout=subprocess.PIPE, check=True).stdout
    return [tuple(int(v) for v in match) for match in
            re.findall(rb"^\d+,\d+: \((\d+),(\d+),(\d+)", out, re.MULTILINE)]


def is_black(rgb):
    return max(rgb) < 64


def is_info_blue(rgb):
    r, g, b = rgb
    return b > 200 and r < 100 and g < 140


class AboutWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Wine hands "open" on an https address to the programs listed here:
        # ours only records the address it receives.
        cls.scratch = tempfile.mkdtemp(prefix="about_e2e_")
        cls.url_log = os.path.join(cls.scratch, "urls.log")
        recorder = os.path.join(cls.scratch, "record_url.sh")
        with open(recorder, "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % cls.url_log)
        os.chmod(recorder, 0o755)
        run(["wine", "reg", "add", BROWSER_KEY, "/v", "Browsers", "/d", recorder, "/f"])

    @classmethod
    def tearDownClass(cls):
        run(["wine", "reg", "delete", BROWSER_KEY, "/v", "Browsers", "/f"])
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def setUp(self):
        self.assertTrue(wait_for(lambda: not windows_titled(TITLE), 10),
                        "an About window is still open")
        if os.path.exists(self.url_log):
            os.remove(self.url_log)

    def open_about(self, *args):
        """Starts the .scr and returns (process, facts) once its About window shows."""
        about = WineProcess(SCR, *args)
        self.addCleanup(about.stop)
        code, text = run(["wine", PROBE, "wait", "30000"], timeout=60)
        self.assertEqual(code, 0, "no window titled About appeared")
        time.sleep(0.3)  # let the controls finish painting
        return about, read_facts(text)

    def close_with_alt_f4(self, about):
        window = wait_for(lambda: windows_titled(TITLE), 5)
        self.assertTrue(window)
        xdotool("windowfocus", window[0])
        time.sleep(0.2)
        xdotool("key", "alt+F4")
        self.assertEqual(about.wait(10), 0, "closing the window did not end the process with 0")
        self.assertTrue(wait_for(lambda: not windows_titled(TITLE), 5))

    def click_client(self, facts, x, y):
        left, top = facts["client"][:2]
        xdotool("mousemove", str(left + x), str(top + y), "click", "1")

    def recorded_urls(self):
        if not os.path.exists(self.url_log):
            return []
        with open(self.url_log) as f:
            return f.read().splitlines()

    def test_configure_switch_shows_centred_fixed_window_with_its_controls(self):
        width, height = screen_size()
        expected_corner = (int((width - 400) * 0.5), int((height - 300) * 0.5))
        for args in (["/c"], ["/c:1234"]):
            with self.subTest(command_line=args):
                about, facts = self.open_about(*args)
                self.assertEqual(facts["class"], "OrvatekWindowClass")
                self.assertEqual(facts["window"], expected_corner + (400, 300))
                self.assertEqual(facts["styles"],
                                 {"caption": 1, "sysmenu": 1, "minimizebox": 0,
                                  "maximizebox": 0, "thickframe": 0, "owner": 0})
                controls = sorted(facts["controls"])
                self.assertEqual(len(controls), 3, controls)
                button, info, heading = controls
                self.assertEqual(button, ("button", 10, 150, 210, 100, 32, "Visit website"))
                self.assertEqual(heading, ("static", 30, 90, 20, 280, 20, "Veltrane Screensaver"))
                self.assertEqual(info[:6], ("static", 10, 20, 150, 380, 80))
                lines = info[6].split("\\r\\n")
                self.assertEqual(len(lines), 3, info[6])
                self.assertIn("Orvatek", lines[0])
                self.assertIn("https://orvatek.example", lines[1])
                self.assertIn("@orvatek.example", lines[2])
                self.close_with_alt_f4(about)

    def test_client_area_shows_face_colour_logo_and_coloured_texts(self):
        about, facts = self.open_about("/c")
        shot = os.path.join(self.scratch, "about.png")
        run(["import", "-window", "root", shot])
        left, top, client_width, client_height = facts["client"]

        def at(x, y, w=1, h=1):
            return pixels(shot, left + x, top + y, w, h)

        # Empty places of the client area, the corners included.
        for x, y in ((2, 2), (client_width - 3, 2), (2, client_height - 3),
                     (client_width - 3, client_height - 3), (40, 100), (300, 100)):
            self.assertEqual(at(x, y), [FACE], "client pixel (%d, %d)" % (x, y))

        logo = os.path.join(self.scratch, "logo.png")
        subprocess.run(["convert", shot, "-crop", "110x83+%d+%d" % (left + 142, top + 55),
                        "+repage", logo], check=True)
        compared = subprocess.run(["compare", "-metric", "AE", logo, LOGO, "null:"],
                                  stderr=subprocess.PIPE)
        self.assertEqual(compared.stderr.strip(), b"0", "logo pixels differ from the bitmap")

        heading = at(90, 20, 280, 20)
        self.assertGreater(sum(map(is_black, heading)), 30, "no black heading text")
        self.assertFalse(any(map(is_info_blue, heading)))
        self.assertIn(FACE, heading)

        # The three lines end above the button.
        info = at(20, 150, client_width - 20, 58)
        self.assertGreater(sum(map(is_info_blue, info)), 100, "no blue information text")
        self.assertFalse(any(map(is_black, info)))
        self.assertIn(FACE, info)

        # The button keeps the system's colours: its face left of the caption.
        self.assertEqual(at(156, 226), [facts["buttonface"]])
        self.assertNotEqual(facts["buttonface"], FACE)
        self.close_with_alt_f4(about)

    def test_visit_website_opens_the_link_on_every_click_and_keeps_the_window(self):
        about, facts = self.open_about("/c")
        # The information text shares the button's id but sends no command.
        self.click_client(facts, 60, 160)
        for clicks in (1, 2):
            self.click_client(facts, 200, 226)
            self.assertTrue(wait_for(lambda: len(self.recorded_urls()) >= clicks, 20),
                            "click %d did not open the website" % clicks)
            time.sleep(0.5)  # a stray extra launch would show up by now
            self.assertEqual(self.recorded_urls(), [LINK] * clicks)
            self.assertTrue(about.running(), "the About window ended after a click")
            self.assertTrue(windows_titled(TITLE))
        self.close_with_alt_f4(about)


if __name__ == "__main__":
    SCR, PROBE, LOGO = sys.argv[1], sys.argv[2], sys.argv[3]
    unittest.main(argv=[sys.argv[0], "-v"])
