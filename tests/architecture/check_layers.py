#!/usr/bin/env python3
"""Fails on an include that the build's dependencies do not allow.

Every library and program of the source folders is read from the
CMakeLists.txt of its folder or subfolder (tallyon_library, add_executable, target_link_libraries,
target_sources), with the lists they name (set(NAME ...), every branch's). A source file belongs to the target that lists it, a header
to the target of the source file of the same name (or, where there is none,
to the targets of the nearest folder with a CMakeLists.txt). A file may include a project header only from its
own target or a target it depends on, directly or through others, and a
Qt header only when that closure holds Qt; the core folders (math, engine, ui)
include no Windows header either.

Usage: check_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

FOLDERS = ["math", "engine", "ui", "platform", "display", "settings", "widgets",
           "dialogs", "cli", "app", "desktop", "tools", "win32"]
# The core below every shell: no toolkit's and no system's window headers.
CORE = ("math", "engine", "ui")
WINDOWS_HEADER = re.compile(r"(windows|win[a-z0-9]*|shellapi|shlobj|shlwapi|commctrl|commdlg|"
                            r"objbase|ole2|mmsystem|versionhelpers)\.h$", re.I)
CALL = re.compile(r"\b(tallyon_library|add_executable|target_link_libraries|target_sources)"
                  r"\s*\(([^)]*)\)", re.S)
KEYWORDS = {"SOURCES", "DEPS", "PRIVATE", "PUBLIC", "INTERFACE"}
SET = re.compile(r"\bset\s*\(\s*(\w+)\s+([^)]*)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def expanded(word, lists):
    """A word of a call, or the list it names ("${backends}")."""
    if word.startswith("${") and word.endswith("}"):
        return lists.get(word[2:-1], [])
    return [word]


def read_targets(root):
    """name -> {"folder", "sources", "deps"} for every target of the folders."""
    targets = {}
    for cmake in sorted(c for top in FOLDERS for c in (root / top).rglob("CMakeLists.txt")):
        folder = str(cmake.parent.relative_to(root))
        text = re.sub(r"#.*", "", cmake.read_text())
        # A list set in a branch per system counts with all its branches.
        lists = {}
        for name, body in SET.findall(text):
            lists.setdefault(name, []).extend(body.split())
        for call, body in CALL.findall(text):
            words = [w for word in body.split() for w in expanded(word, lists)]
            name = "tallyon::" + words[0] if call == "tallyon_library" else words[0]
            target = targets.setdefault(name, {"folder": folder, "sources": set(), "deps": set()})
            section = "SOURCES" if call in ("add_executable", "target_sources") else None
            if call == "target_link_libraries":
                section = "DEPS"
            for word in words[1:]:
                if word in KEYWORDS:
                    section = word if word in ("SOURCES", "DEPS") else section
                elif section == "SOURCES":
                    target["sources"].add(str(pathlib.Path(folder) / word))
                elif section == "DEPS":
                    target["deps"].add(word)
    return targets


def closure(name, targets, seen=None):
    seen = set() if seen is None else seen
    if name in seen:
        return seen
    seen.add(name)
    for dep in targets.get(name, {}).get("deps", ()):
        closure(dep, targets, seen)
    return seen


def owners(path, targets):
    """The targets a file of the folders belongs to."""
    stem = str(pathlib.Path(path).with_suffix(""))
    listed = {n for n, t in targets.items()
              if any(str(pathlib.Path(s).with_suffix("")) == stem for s in t["sources"])}
    if listed:
        return listed
    folders = {t["folder"] for t in targets.values()}
    parent = pathlib.Path(path).parent
    while str(parent) not in folders and str(parent) != ".":
        parent = parent.parent
    return {n for n, t in targets.items() if t["folder"] == str(parent)}


def main(root):
    root = pathlib.Path(root)
    targets = read_targets(root)
    faults = []
    for folder in FOLDERS:
        for file in sorted((root / folder).rglob("*")):
            if file.suffix not in (".cpp", ".h"):
                continue
            path = str(file.relative_to(root))
            for owner in owners(path, targets):
                allowed = closure(owner, targets)
                has_qt = any(dep.startswith("Qt6::") for dep in allowed)
                for kind, header in INCLUDE.findall(file.read_text(errors="replace")):
                    if kind == "<" and re.match(r"Q[A-Za-z]", header) and not has_qt:
                        faults.append(f"{path}: <{header}> in {owner}, which has no Qt")
                    elif kind == "<" and folder in CORE and WINDOWS_HEADER.match(header):
                        faults.append(f"{path}: <{header}> in {owner}, which is toolkit-free")
                    elif kind == '"' and pathlib.Path(header).parts[0] in FOLDERS:
                        if not owners(header, targets) & allowed:
                            faults.append(f'{path}: "{header}" is not a dependency of {owner}')
    for fault in faults:
        print(fault)
    print(f"{len(targets)} targets, {len(faults)} forbidden includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
