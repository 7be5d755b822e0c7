#!/usr/bin/env python3
"""A shader that does not compile: the compiler's log, then which stage failed,
both in "Debug" boxes, then exit code 0 without a frame.

    shader_failure_test.py <broken-vertex probe> <broken-fragment probe>
                           <unterminated-vertex probe> <msgbox_tool.exe>
"""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from wine_session import run  # noqa: E402

BROKEN_VERTEX = BROKEN_FRAGMENT = UNTERMINATED = MSGBOX = None


class ShaderFailureTest(unittest.TestCase):
    def run_probe(self, probe, log_words, stage_message):
        process = subprocess.Popen(["wine", probe], stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: process.poll() is None and process.kill())

        code, log = run(["wine", MSGBOX, "wait", "Debug", "30000"], timeout=60)
        self.assertEqual(code, 0, "no box with the compiler's log")
        for word in log_words:
            self.assertIn(word, log)
        code, text = run(["wine", MSGBOX, "wait", "Debug", "10000"], timeout=30)
        self.assertEqual(code, 0, "no box naming the failed stage")
        self.assertEqual(text, stage_message)

        output, _ = process.communicate(timeout=30)
        self.assertEqual(process.returncode, 0)
        return output.decode("latin-1").replace("\r\n", "\n")

    def test_broken_vertex_shader_stops_before_the_fragment_stage(self):
        output = self.run_probe(BROKEN_VERTEX, ["undeclaredScale"],
                                "Vertex shader compilation error")
        self.assertEqual(output.count("compiling vertex shader"), 1)
        self.assertNotIn("compiling fragment shader", output)
        self.assertNotIn("frame drawn", output)

    def test_broken_fragment_shader_after_a_valid_vertex_shader(self):
        output = self.run_probe(BROKEN_FRAGMENT, ["error"], "Fragment shader compilation error")
        self.assertIn("compiling vertex shader\ncompiling fragment shader", output)
        self.assertNotIn("frame drawn", output)

    def test_shader_text_without_end_marker_is_not_compiled(self):
        process = subprocess.Popen(["wine", UNTERMINATED], stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: process.poll() is None and process.kill())
        code, text = run(["wine", MSGBOX, "wait", "Debug", "30000"], timeout=60)
        self.assertEqual(code, 0, "no box about the unreadable shader")
        self.assertEqual(text, "Failed to load shader")
        output, _ = process.communicate(timeout=30)
        self.assertEqual(process.returncode, 0)
        self.assertNotIn(b"compiling", output)
        self.assertNotIn(b"frame drawn", output)


if __name__ == "__main__":
    BROKEN_VERTEX, BROKEN_FRAGMENT, UNTERMINATED, MSGBOX = sys.argv[1:5]
    unittest.main(argv=[sys.argv[0], "-v"])
