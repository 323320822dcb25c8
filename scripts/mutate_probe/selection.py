"""Which faults a run tries: the program's own sources under the chosen
folders, a seeded sample of the places a fault can go, or the faults named
on the command line."""

import fnmatch
import os
import random
import re
from itertools import groupby

from .faults import KINDS, find_faults

DEFAULT_FOLDERS = ("skin", "controls", "adapters", "paint", "puzzles", "app")
# Not the program's own code: tests, benchmarks, fuzz targets and build-time tools.
NEVER_FOLDERS = ("tests", "bench", "fuzz", "tools")
# The screenshot and demo programs' mains and windows.
NEVER_FILES = ("*Main.cpp", "*DemoWindow.cpp")

_ONLY = re.compile(r"(?P<path>[^:]+\.cpp):(?P<line>\d+)(?::(?P<col>\d+))?(?::(?P<change>.+))?")


class SelectionError(Exception):
    pass


def read_source(repo, rel_path):
    with open(os.path.join(repo, rel_path), "rb") as f:
        return f.read().decode("utf-8", "surrogateescape")


def check_mutable(rel_path):
    parts = rel_path.split("/")
    if parts[0] in NEVER_FOLDERS or parts[0].startswith(".") or parts[0] == "..":
        raise SelectionError(f"{rel_path} is not the program's own code")
    if not rel_path.endswith(".cpp"):
        raise SelectionError(f"{rel_path} is not a .cpp file")
    if any(fnmatch.fnmatch(parts[-1], pattern) for pattern in NEVER_FILES):
        raise SelectionError(f"{rel_path} is a program main or a demo window")


def relative(repo, path):
    return os.path.relpath(os.path.abspath(path), repo).replace(os.sep, "/")


def files_in(repo, folders):
    """The .cpp files of the folders and their subfolders, in sorted order."""
    found = []
    for folder in folders:
        top = os.path.join(repo, folder)
        if not os.path.isdir(top):
            raise SelectionError(f"no folder {folder} in {repo}")
        for directory, subdirs, files in os.walk(top):
            subdirs[:] = [d for d in subdirs if not d.startswith(".")]
            for name in files:
                rel = relative(repo, os.path.join(directory, name))
                try:
                    check_mutable(rel)
                except SelectionError:
                    continue
                found.append(rel)
    return sorted(set(found))


def sample(repo, files, kinds, seed, count):
    """A seeded sample of places, one fault at each: the same files, kinds,
    seed and count always give the same faults."""
    faults = [f for path in files for f in find_faults(path, read_source(repo, path), kinds)]
    sites = [list(group) for _, group in groupby(faults, key=lambda f: (f.path, f.start))]
    rng = random.Random(seed)
    chosen = rng.sample(sites, min(count, len(sites)))
    picked = [rng.choice(variants) for variants in chosen]
    return sorted(picked, key=lambda f: (f.path, f.start, f.after)), len(sites)


def _parse_change(change):
    quoted = re.fullmatch(r"'([^']+)'\s*->\s*'([^']+)'", change)
    if quoted:
        return quoted.group(1), quoted.group(2)
    before, arrow, after = change.partition("->")
    if not arrow or not before or not after:
        raise SelectionError(f"cannot read the change {change!r}: write it as 'BEFORE'->'AFTER'")
    return before, after


def named(repo, key):
    """The faults a --only argument names: FILE:LINE[:COL][:'BEFORE'->'AFTER'];
    without a change, every fault on that line (or at that column)."""
    m = _ONLY.fullmatch(key.strip())
    if not m:
        raise SelectionError(f"cannot read {key!r}: write FILE:LINE[:COL][:'BEFORE'->'AFTER']")
    path = relative(repo, os.path.join(repo, m.group("path")))
    check_mutable(path)
    line, col = int(m.group("line")), m.group("col")
    change = _parse_change(m.group("change")) if m.group("change") else None
    on_line = [f for f in find_faults(path, read_source(repo, path), tuple(KINDS)) if f.line == line]
    matching = [f for f in on_line
                if (col is None or f.col == int(col)) and (change is None or (f.before, f.after) == change)]
    if not matching:
        offered = "\n  ".join(f.key for f in on_line) or "(none)"
        raise SelectionError(f"no fault {key} can be planted; on that line:\n  {offered}")
    return matching
