#!/usr/bin/env python3
"""The installer's round trip under wine64: a silent install, the installed
program started and closed, a silent uninstall, and what remains.

Run through with-wine.sh. Installs BUILD_DIR/tallyon-<version>-setup.exe
with /S, checks the program, the Start menu shortcut and the Add/Remove
Programs entry, starts the installed tallyon.exe on Xvfb, uninstalls with
the uninstaller's /S, and checks that the program, the shortcut and the
entry are gone while the user's settings stay.

Usage: with-wine.sh installer_round_trip.py BUILD_DIR
"""
import glob
import pathlib
import subprocess
import sys

from win32_shell import WINE, Calculator, Desktop, run, wait_for

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyon"
SETTINGS_KEY = r"HKCU\Software\Corvane\Tallyon"


def unix_path(windows_path):
    return pathlib.Path(run(WINE, "winepath", "-u", windows_path))


def key_exists(key):
    return subprocess.run([WINE, "reg", "query", key], capture_output=True).returncode == 0


def main():
    build = pathlib.Path(sys.argv[1])
    setup = sorted(glob.glob(str(build / "tallyon-*-setup.exe")))
    if not setup:
        raise SystemExit(f"FAILED: no installer in {build}")
    program_files = unix_path(r"C:\Program Files") / "Tallyon"
    shortcut = unix_path(r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs") / "Tallyon.lnk"
    failures = []
    check = lambda ok, what: ok or failures.append(what)

    subprocess.run([WINE, setup[-1], "/S"], check=True)
    # The silent installer returns before its child has finished on Wine.
    installed = wait_for(lambda: (program_files / "uninstall.exe").exists(), 60)
    check(installed and (program_files / "tallyon.exe").exists(), "tallyon.exe not installed")
    check(shortcut.exists(), f"no Start menu shortcut at {shortcut}")
    check(key_exists(UNINSTALL_KEY), "no Add/Remove Programs entry")
    print("-- installed:", sorted(p.name for p in program_files.iterdir()))

    with Desktop():
        calc = Calculator(program_files / "tallyon.exe", build)
        print(f"-- the installed program: {calc.start():.1f} s to the window")
        calc.keys("Delete", "7", "plus", "8", "Return")
        check(calc.copied() == "15", "the installed program did not calculate 7 + 8")
        calc.exit()

    subprocess.run([WINE, str(program_files / "uninstall.exe"), "/S"], check=True)
    gone = wait_for(lambda: not program_files.exists(), 60)
    check(gone, f"left behind: {list(program_files.glob('*')) if program_files.exists() else ''}")
    check(not shortcut.exists(), "the Start menu shortcut remains")
    check(not key_exists(UNINSTALL_KEY), "the Add/Remove Programs entry remains")
    check(key_exists(SETTINGS_KEY), "the user's settings went with the program")
    print("-- uninstalled; the settings stay:", key_exists(SETTINGS_KEY))
    for failure in failures:
        print("FAILED:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
