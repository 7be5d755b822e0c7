"""Drives Windows programs under Wine on the test display (DISPLAY, WINEPREFIX
and a persistent wineserver are prepared by tools/virtual_display.sh)."""
import os
import subprocess
import time


def run(command, timeout=30, env=None):
    """Runs a command to its end; returns (exit code, stdout text)."""
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          timeout=timeout, env=env)
    return done.returncode, done.stdout.decode("latin-1")


def xdotool(*args, timeout=10):
    return run(["xdotool", *args], timeout=timeout)[1]


def windows_titled(title):
    """X ids of the visible windows whose title is exactly `title`."""
    out = xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
    return [line for line in out.split() if line.strip()]


def geometry(window):
    """(x, y, width, height) of an X window."""
    values = {}
    for line in xdotool("getwindowgeometry", "--shell", window).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


def screen_size():
    width, height = xdotool("getdisplaygeometry").split()
    return int(width), int(height)


def wait_for(predicate, timeout, interval=0.05):
    """Polls until predicate() is truthy; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


class WineProcess:
    """A Windows program started under Wine; killed when the test leaves it."""

    def __init__(self, program, *args, extra_env=None):
        env = dict(os.environ)
        env.update(extra_env or {})
        self.process = subprocess.Popen(["wine", program, *args], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env=env)

    def wait(self, timeout):
        """The exit code, or None when the program still runs after `timeout` s."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=10)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
