#!/usr/bin/env python3
"""The Win32 window's start-up figure against its floor, under one wine64.

Run through tests/windows/with-wine.sh. Starts BUILD_DIR/bin/tallyon.exe
and BUILD_DIR/bin/tallyon-floor.exe (a bare window with 27 system buttons)
in turn, ROUNDS times each, interleaved, on one Xvfb: the time from exec
until the window is on screen, and the process's resident memory then.
Prints the medians and the ratios to the floor.

Usage: with-wine.sh startup_figure.py BUILD_DIR [ROUNDS]
"""
import pathlib
import statistics
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests/windows"))
from win32_shell import WINE, Desktop, run  # noqa: E402


def resident_kib(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    return 0


def start_once(exe, title):
    started = time.monotonic()
    process = subprocess.Popen([WINE, str(exe)], stderr=subprocess.DEVNULL)
    while True:
        found = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
        if found:
            break
        time.sleep(0.005)
    seconds = time.monotonic() - started
    time.sleep(0.3)  # the first paint settles
    memory = resident_kib(process.pid)
    process.kill()  # nothing to keep: the figure is the start
    process.wait(timeout=30)
    return seconds, memory


def main():
    build = pathlib.Path(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    programs = {"tallyon": (build / "bin/tallyon.exe", "Tallyon - Freeware"),
                "floor": (build / "bin/tallyon-floor.exe", "Floor")}
    results = {name: [] for name in programs}
    with Desktop(":75"):
        for exe, title in programs.values():
            start_once(exe, title)  # warm: the first start of each loads its DLLs
        for _ in range(rounds):
            for name, (exe, title) in programs.items():
                results[name].append(start_once(exe, title))
    median = {name: (statistics.median(s for s, _ in runs), statistics.median(m for _, m in runs))
              for name, runs in results.items()}
    for name, (seconds, memory) in median.items():
        print(f"{name}: {seconds * 1000:.0f} ms to the window, {memory} KiB resident "
              f"(median of {rounds})")
    (ts, tm), (fs, fm) = median["tallyon"], median["floor"]
    print(f"tallyon / floor: time {ts / fs:.2f}x, memory {tm / fm:.2f}x")


if __name__ == "__main__":
    main()
