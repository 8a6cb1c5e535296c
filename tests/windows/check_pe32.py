#!/usr/bin/env python3
"""Checks the 32-bit Windows programs as binaries, since this machine's
kernel runs no 32-bit programs: each is a PE32 image for i386 marked for
address-space layout randomisation and data execution prevention, imports
only the system's own DLLs (the C and C++ runtimes are linked in), and
carries a version resource whose fixed part and FileVersion text are those
of the version description.

Usage: check_pe32.py BUILD_DIR DESCRIPTION [OBJDUMP]
"""
import pathlib
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "advapi32.dll", "shell32.dll", "version.dll", "msvcrt.dll",
               "user32.dll", "gdi32.dll", "comctl32.dll", "ole32.dll", "shlwapi.dll",
               "ws2_32.dll"}
IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
DYNAMIC_BASE, NX_COMPAT = 0x40, 0x100


def description_version(description):
    text = pathlib.Path(description).read_text()
    return re.search(r"^FileVersion\s+([0-9.]+)", text, re.M).group(1)


def header_faults(image):
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        return ["not a PE image"]
    machine = struct.unpack_from("<H", image, pe + 4)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    flags = struct.unpack_from("<H", image, optional + 70)[0]
    faults = []
    if machine != IMAGE_FILE_MACHINE_I386:
        faults.append(f"machine {machine:#x}, not i386")
    if magic != PE32_MAGIC:
        faults.append(f"optional header {magic:#x}, not PE32")
    for name, bit in (("DYNAMIC_BASE (ASLR)", DYNAMIC_BASE), ("NX_COMPAT (DEP)", NX_COMPAT)):
        if not flags & bit:
            faults.append(f"no {name}")
    return faults


def import_faults(program, objdump):
    listing = subprocess.run([objdump, "-p", str(program)], check=True, capture_output=True,
                             text=True).stdout
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", listing)}
    if not dlls:
        return ["imports nothing: not read"]
    return [f"imports {dll}" for dll in sorted(dlls - SYSTEM_DLLS)]


def utf16(text):
    return text.encode("utf-16-le")


def resources(image):
    """The bytes of the image's resource section, .rsrc."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H", image, pe + 6)[0], \
        struct.unpack_from("<H", image, pe + 20)[0]
    table = pe + 24 + optional_size
    for i in range(count):
        name, _, _, size, offset = struct.unpack_from("<8sIIII", image, table + 40 * i)
        if name.rstrip(b"\0") == b".rsrc":
            return image[offset:offset + size]
    return b""


def version_faults(image, version):
    """The record is found in the resources by its root key; its fixed part
    and FileVersion text are read as the version-record layout places them."""
    image = resources(image)
    key = utf16("VS_VERSION_INFO\0")
    at = image.find(key)
    if at < 6:
        return ["no version resource"]
    fixed = (at + len(key) + 3) & ~3
    signature, _, ms, ls = struct.unpack_from("<IIII", image, fixed)
    numbers = [ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF]
    faults = []
    if signature != 0xFEEF04BD:
        faults.append(f"fixed part's signature {signature:#x}")
    if ".".join(map(str, numbers)) != version:
        faults.append(f"fixed FileVersion {numbers}, not {version}")
    text_key = utf16("FileVersion\0")
    text_at = image.find(text_key, at)
    value = (text_at + len(text_key) + 3) & ~3
    if text_at < 0 or image[value:value + len(utf16(version + "\0"))] != utf16(version + "\0"):
        faults.append(f"no FileVersion text {version}")
    return faults


def main(build, description, objdump="i686-w64-mingw32-objdump"):
    version = description_version(description)
    programs = sorted(pathlib.Path(build, "bin").glob("*.exe"))
    if not programs:
        print(f"no programs in {build}/bin")
        return 1
    failed = 0
    for program in programs:
        image = program.read_bytes()
        faults = header_faults(image) + import_faults(program, objdump) + version_faults(image, version)
        print(f"{program.name}: {'; '.join(faults) if faults else 'ok'}")
        failed += bool(faults)
    print(f"{len(programs)} programs, {failed} with faults")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
