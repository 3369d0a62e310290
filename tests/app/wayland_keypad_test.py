#!/usr/bin/env python3
"""The keypad under a Wayland compositor (weston), the real program on Qt's wayland platform.

Usage: wayland_keypad_test.py PROGRAM [headless] [nested]   (both parts when none is named)

CTest runs the headless part only: about one nested session in three here never sees its clicks
reach the keypad although the keypad shows on the screen (the cause is not found yet), and a
test that fails at random would block every change. Run the nested part by hand after a change
to the keypad's windows.

1. weston's headless backend: the program starts, shows its keypad and runs.
2. weston's x11 backend nested in Xvfb (headless weston takes no input; the nested one takes
   xdotool's): a click on a key, typing, a drag of the keypad (the compositor must be asked to
   move it, since a Wayland client cannot place itself) and Esc, which must keep the stored
   place of the keypad in settings.ini (Wayland reports no window positions).

The program tells what it shows through its debug log (QT_LOGGING_RULES). A compositor that
cannot start fails the test: it must never pass without having run.
"""
import configparser
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30  # seconds: a loaded CI machine is slow to start a compositor and the program
SCREEN = (1024, 768)


def fail(message, *logs):
    print("FAIL: " + message)
    for path in logs:
        if path and os.path.exists(path):
            print("---- " + os.path.basename(path))
            with open(path, errors="replace") as f:
                print(f.read()[-4000:])
    sys.exit(1)


def wait_for(condition, what, *logs, timeout=TIMEOUT):
    """The condition's first true value; without `what`, None after the timeout."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    if what:
        fail("timed out waiting for " + what, *logs)
    return None


class Session:
    """A scratch program directory and runtime directory, and the processes started in them."""

    def __init__(self, program):
        self.program = program
        self.work = tempfile.mkdtemp(prefix="zoltcalc-wayland-")
        self.runtime = os.path.join(self.work, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.processes = []

    def close(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def start(self, name, args, env, **kwargs):
        log = open(os.path.join(self.work, name + ".log"), "w")
        p = subprocess.Popen(args, env=env, stdout=log, stderr=subprocess.STDOUT, **kwargs)
        self.processes.append(p)
        return p, log.name

    def program_dir(self, settings):
        """A copy of the program's folder (files linked where possible) with its own settings.ini."""
        source = os.path.dirname(os.path.abspath(self.program))
        target = os.path.join(self.work, "program")

        def link_or_copy(src, dst):
            try:
                os.link(src, dst)
            except OSError:
                shutil.copy2(src, dst)

        shutil.copytree(source, target, copy_function=link_or_copy)
        settings_file = os.path.join(target, "settings.ini")
        if os.path.exists(settings_file):
            os.remove(settings_file)  # a new file: never write through a link to the build's
        with open(settings_file, "w") as f:
            f.write(settings)
        return target

    def weston(self, backend, extra_args, env):
        socket = "zoltcalc-%d-%s" % (os.getpid(), backend)
        env = dict(env, XDG_RUNTIME_DIR=self.runtime)
        args = ["weston", "--backend=%s-backend.so" % backend, "--socket=" + socket, "--idle-time=0"] + extra_args
        if not shutil.which("weston"):
            fail("weston is not installed (scripts/setup.sh installs it)")
        p, log = self.start("weston-" + backend, args, env)
        path = os.path.join(self.runtime, socket)
        wait_for(lambda: os.path.exists(path) or p.poll() is not None, "weston's socket", log)
        if p.poll() is not None:
            fail("weston (%s backend) did not start" % backend, log)
        return socket, log

    def run_program(self, name, program_dir, socket):
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland",
                   QT_LOGGING_RULES="zoltcalc.keypad.debug=true", QT_SCALE_FACTOR="1")
        env.pop("DISPLAY", None)  # nothing may reach X11
        return self.start(name, [os.path.join(program_dir, os.path.basename(self.program))], env)


def logged_display(log):
    with open(log, errors="replace") as f:
        values = re.findall(r'display "([^"]*)"', f.read())
    return values[-1] if values else None


def log_has(log, text):
    with open(log, errors="replace") as f:
        return text in f.read()


SETTINGS = """[main_window_position]
left=200
top=100
[recorder]
active=1
[settings_window]
skin=0
"""


def headless(session):
    socket, weston_log = session.weston("headless", ["--width=1024", "--height=768"], dict(os.environ))
    program, log = session.run_program("headless-program", session.program_dir(SETTINGS), socket)
    wait_for(lambda: logged_display(log) == "0" or program.poll() is not None, "the keypad's display", log, weston_log)
    if program.poll() is not None:
        fail("the program ended under headless weston", log, weston_log)
    time.sleep(1)
    if program.poll() is not None:
        fail("the program ended under headless weston", log, weston_log)
    print("headless weston: the keypad runs")


class Skin:
    """The first skin of the program directory: its key places and its background picture."""

    def __init__(self, program_dir):
        skins = sorted(f[:-4] for f in os.listdir(os.path.join(program_dir, "skins")) if f.endswith(".ini"))
        self.ini = configparser.ConfigParser(strict=False)
        self.ini.read(os.path.join(program_dir, "skins", skins[0] + ".ini"))
        self.width, self.height = int(self.ini["main"]["width"]), int(self.ini["main"]["height"])
        with open(os.path.join(program_dir, "skins", skins[0], "backg.bmp"), "rb") as f:
            bmp = f.read()
        offset, = struct.unpack("<I", bmp[10:14])
        width, height, _, bits = struct.unpack("<iiHH", bmp[18:30])
        if bits != 24:
            fail("the test reads 24-bit skin pictures only")
        stride = (width * 3 + 3) // 4 * 4
        self.rows = []  # top to bottom, RGB
        for y in range(abs(height)):
            row = y if height < 0 else height - 1 - y
            bgr = bmp[offset + row * stride: offset + row * stride + width * 3]
            self.rows.append(bytes(b for i in range(0, len(bgr), 3) for b in (bgr[i + 2], bgr[i + 1], bgr[i])))

    def key_centre(self, key):
        pic = "pic_" + self.ini[key]["pic"]
        return (int(self.ini[key]["left"]) + int(self.ini[pic]["width"]) // 2,
                int(self.ini[key]["top"]) + int(self.ini[pic]["height"]) // 2)

    def strip(self, x, y, length=40):
        """A row of the picture's pixels around (x, y), and the column it starts at."""
        start = max(0, min(x - length // 2, self.width - length))
        return self.rows[y][start * 3:(start + length) * 3], start


def screenshot(env):
    """The X screen as rows of RGB bytes (the compositor's output window fills it)."""
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env, check=True,
                         stdout=subprocess.PIPE).stdout
    return [raw[y * SCREEN[0] * 3:(y + 1) * SCREEN[0] * 3] for y in range(SCREEN[1])]


def settled_screenshot(env):
    """A screenshot once the screen has stopped changing (windows shown and drawn)."""
    previous = None
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        screen = screenshot(env)
        if screen == previous:
            return screen
        previous = screen
        time.sleep(0.5)
    return previous


def find_on_screen(screen, skin, points):
    """Where the keypad's origin is, from the first of `points` (keypad coordinates) that shows
    on the screen as the skin draws it (the compositor places windows where it likes, and the
    trail may lie over part of the keypad): (point, origin) or None."""
    for x, y in points:
        strip, start = skin.strip(x, y)
        for sy, row in enumerate(screen):
            at = row.find(strip)
            while at >= 0 and at % 3:
                at = row.find(strip, at + 1)
            if at >= 0:
                return (x, y), (at // 3 - start, sy - y)
    return None


def nested(session):
    for tool in ("Xvfb", "xdotool", "import"):
        if not shutil.which(tool):
            fail(tool + " is not installed (scripts/setup.sh installs it)")
    read_end, write_end = os.pipe()
    xvfb, xvfb_log = session.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                           "%dx%dx24" % SCREEN, "-nolisten", "tcp"], dict(os.environ),
                                   pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        fail("Xvfb did not start", xvfb_log)
    x_env = dict(os.environ, DISPLAY=":" + number)
    # The desktop shell: a click on a window with a child window activates the child, so the
    # trail must not be the keypad's child.
    socket, weston_log = session.weston("x11", ["--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1],
                                                "--use-pixman"], x_env)
    directory = session.program_dir(SETTINGS)
    skin = Skin(directory)
    program, log = session.run_program("nested-program", directory, socket)
    logs = (log, weston_log)
    wait_for(lambda: logged_display(log) == "0" or program.poll() is not None, "the keypad's display", *logs)

    def xdotool(*args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=x_env, check=True)

    digits = {key: skin.key_centre(key) for key in ("c7", "c8", "c9", "c4", "c5", "c6", "c1", "c2", "c3")}
    # The trail hidden and shown again (Ctrl+R): the compositor gives the new window the keyboard.
    wait_for(lambda: find_on_screen(screenshot(x_env), skin, list(digits.values())), "the keypad on the screen", *logs)
    xdotool("key", "ctrl+r")
    time.sleep(1)
    xdotool("key", "ctrl+r")
    time.sleep(1)
    # A window shown late may cover the key found: then the key is looked for again.
    for attempt in range(3):
        (kx, ky), (left, top) = wait_for(lambda: find_on_screen(settled_screenshot(x_env), skin,
                                                                list(digits.values())), "the keypad on the screen", *logs)
        digit = next(key for key, place in digits.items() if place == (kx, ky))[1]
        xdotool("mousemove", left + kx, top + ky, "click", "1")
        if wait_for(lambda: logged_display(log) == digit, None, timeout=5):
            break
    else:
        fail(digit + " never came on the display after a click on its key", *logs)
    # The keyboard follows the click to the keypad, not to the trail window.
    xdotool("type", "--delay", "80", "+3=")
    total = str(int(digit) + 3)
    wait_for(lambda: logged_display(log) == total, total + " on the display after typing +3=", *logs)
    # A drag on the keypad's face (beside the display) asks the compositor to move the window.
    faces = [(6, skin.height // 3), (skin.width - 6, skin.height // 3), (6, skin.height - 20)]
    screen = settled_screenshot(x_env)
    face = next((p for p in faces if find_on_screen(screen, skin, [p]) == (p, (left, top))), None)
    if face is None:
        fail("no free place on the keypad's face to drag it by", *logs)
    xdotool("mousemove", left + face[0], top + face[1], "mousedown", "1")
    for step in range(1, 6):
        xdotool("mousemove", left + face[0] + 12 * step, top + face[1] + 8 * step)
    xdotool("mouseup", "1")
    wait_for(lambda: log_has(log, "system move started"), "a move request", *logs)
    points = faces + list(digits.values())
    wait_for(lambda: (find_on_screen(screenshot(x_env), skin, points) or (None, None))[1] == (left + 60, top + 40),
             "the keypad moved by the drag", *logs)
    xdotool("mousemove", left + 60 + kx, top + 40 + ky, "click", "1", "key", "Escape")
    try:
        status = program.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        fail("Esc did not end the program", *logs)
    if status != 0:
        fail("the program ended with status %d" % status, *logs)
    saved = configparser.ConfigParser(strict=False)
    saved.read(os.path.join(directory, "settings.ini"))
    place = (saved["main_window_position"]["left"], saved["main_window_position"]["top"])
    if place != ("200", "100"):
        fail("the stored place of the keypad became %s, %s" % place, *logs)
    print("nested weston: click, typing, drag and shut-down work")


PARTS = {"headless": headless, "nested": nested}


def main():
    if len(sys.argv) < 2 or any(name not in PARTS for name in sys.argv[2:]):
        fail("usage: wayland_keypad_test.py PROGRAM [headless] [nested]")
    for part in [PARTS[name] for name in sys.argv[2:]] or PARTS.values():
        session = Session(sys.argv[1])
        try:
            part(session)
        finally:
            session.close()


if __name__ == "__main__":
    main()
