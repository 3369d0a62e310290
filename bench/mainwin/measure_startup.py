#!/usr/bin/env python3
"""Start-up time and memory of zoltcalc under Xvfb, optionally beside other programs.

Starts its own Xvfb (-noreset), then runs each program 1 + N times: the time from starting the
process to the map of its first top-level window, the CPU time (user + system) the process has
used by then, and its anonymous memory (RssAnon) one second later. Prints each run and the
medians of the N runs after the warm-up. Programs are measured in turns, so that they share the
machine's state; --compare adds another program (a command line, split at blanks) to measure the
same way, for figures taken side by side.

usage: measure_startup.py [PROGRAM_DIR] [N] [--compare COMMAND]...   (default build/bin, 5)
"""
import ctypes
import os
import signal
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
TICKS = os.sysconf("SC_CLK_TCK")


def rss_anon_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("RssAnon:"):
                return int(line.split()[1])
    return -1


def cpu_ms(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 / TICKS  # utime + stime


class Display:
    def __init__(self, name):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.dpy = ctypes.c_void_p(self.x11.XOpenDisplay(name.encode()))
        if not self.dpy.value:
            sys.exit("cannot open the Xvfb display")
        root = self.x11.XDefaultRootWindow(self.dpy)
        self.x11.XSelectInput(self.dpy, ctypes.c_ulong(root), ctypes.c_long(SUBSTRUCTURE_NOTIFY_MASK))
        self.event = ctypes.create_string_buffer(192)

    def drain(self):
        while self.x11.XPending(self.dpy):
            self.x11.XNextEvent(self.dpy, self.event)

    def wait_for_map(self, proc, name):
        while True:
            if not self.x11.XPending(self.dpy):
                if proc.poll() is not None:
                    sys.exit(f"{name} ended with status {proc.returncode} before its window was mapped")
                time.sleep(0.0002)
                continue
            self.x11.XNextEvent(self.dpy, self.event)
            if ctypes.cast(self.event, ctypes.POINTER(ctypes.c_int))[0] == MAP_NOTIFY:
                return time.perf_counter()


def normal_priority():
    os.setpriority(os.PRIO_PROCESS, 0, 0)


def observe_first():
    """On a busy machine the observer would see a map late; it runs ahead of the programs
    (when it may), which all run at the normal priority."""
    try:
        os.setpriority(os.PRIO_PROCESS, 0, -10)
    except PermissionError:
        pass


def measure(display, env, command, cwd):
    display.drain()
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=normal_priority)
    mapped = display.wait_for_map(proc, command[0])
    cpu = cpu_ms(proc.pid)
    time.sleep(1.0)
    rss = rss_anon_kib(proc.pid)
    proc.send_signal(signal.SIGTERM)  # zoltcalc ends without writing settings.ini
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    return (mapped - start) * 1000, cpu, rss / 1024


def arguments():
    positional, compare, args = [], [], sys.argv[1:]
    while args:
        a = args.pop(0)
        if a == "--compare" and args:
            compare.append(args.pop(0).split())
        else:
            positional.append(a)
    program_dir = os.path.abspath(positional[0] if positional else "build/bin")
    runs = int(positional[1]) if len(positional) > 1 else 5
    return program_dir, runs, compare


def main():
    program_dir, runs, compare = arguments()
    observe_first()
    programs = [([os.path.join(program_dir, "zoltcalc")], program_dir)] + [(c, None) for c in compare]
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-noreset", "-screen", "0", "1280x1024x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    try:
        x = Display(display)
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        results = {tuple(c): [] for c, _ in programs}
        for run in range(runs + 1):
            for command, cwd in programs:
                ms, cpu, rss = measure(x, env, command, cwd)
                label = "warm-up" if run == 0 else f"run {run}"
                print(f"{command[0]} {label}: mapped after {ms:.1f} ms, CPU {cpu:.0f} ms, RssAnon {rss:.2f} MiB")
                if run:
                    results[tuple(command)].append((ms, cpu, rss))
        for command, rows in results.items():
            print(f"{command[0]} median of {runs}: mapped after {statistics.median(r[0] for r in rows):.1f} ms, "
                  f"CPU {statistics.median(r[1] for r in rows):.0f} ms, "
                  f"RssAnon {statistics.median(r[2] for r in rows):.2f} MiB")
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
