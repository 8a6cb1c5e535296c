#!/usr/bin/env python3
"""Compares the engine driver of the Windows twin with the Linux one over
the key-sequence and function tables (driver-tables): both read the same
rows, and what they print must be the same bytes. Each row begins with
"reset", so the outputs are compared row by row and a difference is
reported with its row; rows that differ are counted by their action.

Usage: with-wine.sh compare_drivers.py LINUX_BUILD WINDOWS_BUILD [--report-only]
With --report-only the differences are reported and the exit status is 0.
"""
import collections
import subprocess
import sys

WINE = "/usr/lib/wine/wine64"
SEPARATORS = ["--decimal-separator=.", "--thousands-separator=,"]


def rows(output):
    """The output split at each "ok<TAB>reset" line, one part per input row."""
    parts = output.split(b"ok\treset\n")
    return parts[1:]


def main(linux, windows, *options):
    tables = subprocess.run([f"{linux}/bin/driver-tables"], check=True, capture_output=True).stdout
    inputs = tables.decode().splitlines()
    mine = subprocess.run([f"{linux}/bin/tallyon-engine", *SEPARATORS], input=tables,
                          capture_output=True).stdout
    twin = subprocess.run([WINE, f"{windows}/bin/tallyon-engine.exe", *SEPARATORS], input=tables,
                          capture_output=True).stdout
    print(f"{len(inputs)} rows, {len(mine)} bytes from Linux, {len(twin)} from Windows")
    if mine == twin:
        print("the two drivers print the same bytes")
        return 0
    if b"\r" in twin:
        print("the Windows driver's output holds carriage returns")
    linux_rows, windows_rows = rows(mine), rows(twin)
    differing = [i for i in range(max(len(linux_rows), len(windows_rows)))
                 if i >= len(linux_rows) or i >= len(windows_rows)
                 or linux_rows[i] != windows_rows[i]]
    by_action = collections.Counter(
        inputs[i].split()[2] if inputs[i].startswith("reset value=") else "key sequences"
        for i in differing if i < len(inputs))
    print(f"{len(differing)} rows differ: " +
          ", ".join(f"{action} {count}" for action, count in sorted(by_action.items())))
    for i in differing[:10]:
        print(f"  {inputs[i] if i < len(inputs) else '(past the input)'}")
        for name, part in (("linux", linux_rows), ("windows", windows_rows)):
            text = part[i].decode(errors="replace") if i < len(part) else "(missing)\n"
            print("    " + name + ": " + text.rstrip("\n").replace("\n", "\n      "))
    return 0 if "--report-only" in options else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
