"""What the end-to-end tests share: a virtual X server, a temporary
installation of the built program with the demo data, and xdotool to drive
its windows as a person would."""

import argparse
import os
import re
import shutil
import socket
import sqlite3
import subprocess
import sys
import tempfile
import time
import unittest

ARGS = None


def parse_args():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="the built installation folder")
    parser.add_argument("--fakewindow", default="")
    ARGS, rest = parser.parse_known_args()
    return [sys.argv[0]] + rest


class Xvfb:
    def __init__(self):
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        number = self.process.stdout.readline().decode().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        self.process.terminate()
        self.process.wait(10)
        self.process.stdout.close()


def free_udp_port():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until(predicate, timeout=20.0, step=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    raise AssertionError("timed out waiting for " + what)


class Program:
    """One run of the program; its console output is kept in a file."""

    def __init__(self, install, args=()):
        self.install = install
        self.err_path = os.path.join(install.dir, "console-%d.txt" % time.monotonic_ns())
        self.err = open(self.err_path, "wb")
        self.process = subprocess.Popen([os.path.join(install.dir, "balvoro"), *args],
                                        cwd="/", env=install.env, stdout=self.err,
                                        stderr=subprocess.STDOUT)

    def console(self):
        with open(self.err_path, "rb") as f:
            return f.read().decode(errors="replace")

    def messages(self):
        return re.findall(r"^\[message\] (.*)$", self.console(), re.M)

    def wait_message(self, text, timeout=20):
        wait_until(lambda: text in self.messages(), timeout, what="message " + repr(text))

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.err.close()


class Installation:
    """A temporary installation: the built program and the demo data."""

    FILES = ["balvoro", "libSteplink.so", "balvoro-admin", "RptMirado.rav", "steplink-pad"]

    def __init__(self, xvfb, demo=True):
        self.tmp = tempfile.TemporaryDirectory(prefix="velunor-e2e-")
        self.dir = self.tmp.name
        for name in self.FILES:
            source = os.path.join(ARGS.bin, name)
            if os.path.exists(source):
                shutil.copy2(source, self.dir)
        # What a demo laid out in the build folder added is not the build's:
        # this installation gets its own.
        shutil.copytree(os.path.join(ARGS.bin, "Config"), os.path.join(self.dir, "Config"),
                        ignore=shutil.ignore_patterns("*.lab", "Balvoro.ini"))
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": xvfb.display,
            "VELUNOR_CONFIG_HOME": os.path.join(self.dir, "home"),
            "VELUNOR_RUNTIME_DIR": os.path.join(self.dir, "run"),
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
        })
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.port = free_udp_port()
        if demo:
            self.admin("demo", self.dir)
            self.set_ini("Steplink.ini", "Simulator", "UdpPort", str(self.port))
        self.programs = []

    def admin(self, *args):
        return subprocess.run([os.path.join(self.dir, "balvoro-admin"), *args], env=self.env,
                              check=True, capture_output=True, text=True)

    def set_ini(self, relative, section, key, value):
        """Sets one key, keeping the rest of the file."""
        path = os.path.join(self.dir, relative)
        lines = open(path, encoding="utf-8").read().splitlines() if os.path.exists(path) else []
        out, in_section, done = [], False, False
        for line in lines:
            stripped = line.strip()
            if stripped.startswith("["):
                if in_section and not done:
                    out.append("%s=%s" % (key, value))
                    done = True
                in_section = stripped[1:-1].strip().lower() == section.lower()
            elif in_section and stripped.split("=")[0].strip().lower() == key.lower():
                line, done = "%s=%s" % (key, value), True
            out.append(line)
        if not done:
            if not in_section:
                out.append("[%s]" % section)
            out.append("%s=%s" % (key, value))
        with open(path, "w", encoding="utf-8") as f:
            f.write("\r\n".join(out) + "\r\n")

    def start(self, *args):
        program = Program(self, args)
        self.programs.append(program)
        return program

    def log_lines(self):
        path = os.path.join(self.dir, "_mirado.log")
        if not os.path.exists(path):
            return []
        return open(path, "rb").read().decode("utf-8", "replace").split("\r\n")[:-1]

    def ini_value(self, relative, section, key, default=None):
        """One key of an INI file of the installation, read as Windows does:
        names without regard to case, the first occurrence wins."""
        path = os.path.join(self.dir, relative)
        if not os.path.exists(path):
            return default
        in_section = False
        for line in open(path, encoding="utf-8", errors="replace").read().splitlines():
            stripped = line.strip()
            if stripped.startswith("["):
                in_section = stripped[1:-1].strip().lower() == section.lower()
            elif in_section and "=" in stripped:
                name, value = stripped.split("=", 1)
                if name.strip().lower() == key.lower():
                    return value.strip()
        return default

    def database(self):
        return sqlite3.connect(os.path.join(self.dir, "DATA", "Velunor.db"))

    def send_cog(self, x, y):
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.sendto(("%.3f %.3f" % (x, y)).encode(), ("127.0.0.1", self.port))

    def close(self):
        for program in self.programs:
            program.stop()
        self.tmp.cleanup()


class InstallationTest(unittest.TestCase):
    """One virtual X server per suite, a fresh demo installation per test."""

    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.stop()

    def setUp(self):
        self.install = Installation(self.xvfb)
        self.env = self.install.env

    def tearDown(self):
        self.install.close()


def xdo(env, *args, check=True):
    result = subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True)
    if check and result.returncode != 0:
        raise RuntimeError("xdotool %s: %s" % (" ".join(args), result.stderr))
    return result.stdout.strip()


def find_windows(env, name_regex, only_visible=True):
    args = ["search"] + (["--onlyvisible"] if only_visible else []) + ["--name", name_regex]
    out = xdo(env, *args, check=False)
    return [w for w in out.split() if w]


def wait_window(env, name_regex, timeout=30):
    return wait_until(lambda: (find_windows(env, name_regex) or [None])[0], timeout,
                      what="window " + name_regex)


def focus(env, window):
    # There is no window manager: the keyboard goes to the focus window, so
    # the pointer is put over the window and the focus set on it.
    xdo(env, "mousemove", "--window", window, "10", "10", check=False)
    xdo(env, "windowfocus", window, check=False)
    time.sleep(0.2)


def type_into(env, window, text):
    focus(env, window)
    xdo(env, "type", "--delay", "40", text)


def key(env, window, *keys):
    focus(env, window)
    for k in keys:
        xdo(env, "key", k)
        time.sleep(0.15)


def login(env, program, user, password):
    window = wait_window(env, "^Droits d'accès$")
    time.sleep(0.5)
    # The password box has the focus at first; the name box is before it.
    key(env, window, "shift+Tab", "ctrl+a", "BackSpace")
    type_into(env, window, user)
    # The password box keeps what an earlier attempt typed.
    key(env, window, "Tab", *(["BackSpace"] * 12))
    type_into(env, window, password)
    key(env, window, "Return")
    return window


def click(env, window, x, y, button="1"):
    """A click at (x, y) of the window's own pixels."""
    xdo(env, "mousemove", "--window", window, str(int(x)), str(int(y)))
    time.sleep(0.1)
    xdo(env, "click", button)


class Picture:
    """What a window (or the whole screen) shows, as 8-bit RGB pixels that a
    test looks at the way a person does: colours, lines and shapes."""

    def __init__(self, env, window="root"):
        data = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], env=env,
                              capture_output=True, check=True).stdout
        # Binary PPM: "P6", width, height, maximum value, one blank, pixels.
        fields, i = [], 0
        while len(fields) < 4:
            while data[i:i + 1].isspace():
                i += 1
            if data[i:i + 1] == b"#":
                i = data.index(b"\n", i)
                continue
            j = i
            while not data[j:j + 1].isspace():
                j += 1
            fields.append(data[i:j])
            i = j
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise RuntimeError("unexpected screenshot format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[i + 1:]

    def at(self, x, y):
        o = 3 * (y * self.width + x)
        return self.pixels[o], self.pixels[o + 1], self.pixels[o + 2]


def screenshot(env, path):
    subprocess.run(["import", "-window", "root", path], env=env, check=False)


def main():
    argv = parse_args()
    unittest.main(argv=argv, verbosity=2)
