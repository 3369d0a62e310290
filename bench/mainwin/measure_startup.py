#!/usr/bin/env python3
"""Start-up time and memory of zoltcalc under Xvfb.

Starts its own Xvfb (-noreset), then runs the program 1 + N times: the time from starting the
process to the map of its first top-level window (the main window), and the anonymous memory
(RssAnon) one second later. Prints each run and the medians of the N runs after the warm-up.

usage: measure_startup.py [PROGRAM_DIR] [N]   (default build/bin, 5)
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


def rss_anon_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("RssAnon:"):
                return int(line.split()[1])
    return -1


def main():
    program_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-noreset", "-screen", "0", "1280x1024x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    try:
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        dpy = ctypes.c_void_p(x11.XOpenDisplay(display.encode()))
        if not dpy.value:
            sys.exit("cannot open the Xvfb display")
        root = x11.XDefaultRootWindow(dpy)
        x11.XSelectInput(dpy, ctypes.c_ulong(root), ctypes.c_long(SUBSTRUCTURE_NOTIFY_MASK))
        event = ctypes.create_string_buffer(192)
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        times, memories = [], []
        for run in range(runs + 1):
            while x11.XPending(dpy):
                x11.XNextEvent(dpy, event)
            start = time.perf_counter()
            proc = subprocess.Popen([os.path.join(program_dir, "zoltcalc")], cwd=program_dir, env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            mapped = None
            while mapped is None:
                if not x11.XPending(dpy):
                    if proc.poll() is not None:
                        sys.exit(f"zoltcalc ended with status {proc.returncode} before its window was mapped")
                    time.sleep(0.0002)
                    continue
                x11.XNextEvent(dpy, event)
                if ctypes.cast(event, ctypes.POINTER(ctypes.c_int))[0] == MAP_NOTIFY:
                    mapped = time.perf_counter()
            time.sleep(1.0)
            rss = rss_anon_kib(proc.pid)
            proc.send_signal(signal.SIGTERM)  # ends without writing settings.ini
            proc.wait()
            ms = (mapped - start) * 1000
            label = "warm-up" if run == 0 else f"run {run}"
            print(f"{label}: mapped after {ms:.1f} ms, RssAnon {rss / 1024:.2f} MiB")
            if run:
                times.append(ms)
                memories.append(rss / 1024)
        print(f"median of {runs}: mapped after {statistics.median(times):.1f} ms, "
              f"RssAnon {statistics.median(memories):.2f} MiB")
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
