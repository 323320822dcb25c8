"""What the build says about the sources: the test programs CTest runs, the
sources each is built from, and the object files compiled from a source."""

import os
import re
import subprocess
from dataclasses import dataclass

_SUBDIRS = re.compile(r'^subdirs\("([^"]+)"\)', re.M)
_INCLUDE = re.compile(r'^include\("([^"]+)"\)', re.M)
_EXECUTABLE = re.compile(r"TEST_EXECUTABLE \[==\[(.*?)\]==\]")
_WORKDIR = re.compile(r"TEST_WORKING_DIR \[==\[(.*?)\]==\]")


class BuildError(Exception):
    pass


@dataclass(frozen=True)
class TestProgram:
    path: str        # absolute path of the executable
    target: str      # its ninja target, relative to the build directory
    workdir: str     # where CTest starts it
    sources: frozenset  # absolute paths of every source it is built from

    @property
    def name(self):
        return os.path.basename(self.path)

    @property
    def test_folder(self):
        """The folder of the tree whose tests it holds ("skin" for
        tests/skin/skin_tests), as path components."""
        parts = os.path.dirname(self.target).split("/")
        return parts[1:] if parts and parts[0] == "tests" else parts


def ninja_tool(build_dir, *args):
    result = subprocess.run(["ninja", "-C", build_dir, "-t", *args],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise BuildError(f"ninja -t {' '.join(args)}: {result.stderr.strip() or result.stdout.strip()}")
    return result.stdout


def _gtest_programs(build_dir):
    """(executable, working directory) of every GoogleTest program CTest
    registers, found by walking the CTestTestfile.cmake files."""
    found = []
    pending = [build_dir]
    while pending:
        directory = pending.pop()
        testfile = os.path.join(directory, "CTestTestfile.cmake")
        if not os.path.exists(testfile):
            continue
        with open(testfile, encoding="utf-8") as f:
            text = f.read()
        pending.extend(os.path.join(directory, d) for d in _SUBDIRS.findall(text))
        for included in _INCLUDE.findall(text):
            if not os.path.exists(included):
                continue
            with open(included, encoding="utf-8") as f:
                discovery = f.read()
            exe, workdir = _EXECUTABLE.search(discovery), _WORKDIR.search(discovery)
            if exe:
                found.append((exe.group(1), workdir.group(1) if workdir else os.path.dirname(exe.group(1))))
    return sorted(set(found))


_UNITY_ON = re.compile(r"^TRAINER_UNITY_BUILD:BOOL=(ON|TRUE|1|YES)$", re.M | re.I)


def compiles_in_batches(build_dir):
    """True for a build that compiles the libraries' files in batches: a
    fault in one file would then rebuild and be judged by its whole batch."""
    cache = os.path.join(build_dir, "CMakeCache.txt")
    if not os.path.exists(cache):
        return False
    with open(cache, encoding="utf-8", errors="replace") as f:
        return _UNITY_ON.search(f.read()) is not None


def find_test_programs(build_dir):
    if not os.path.exists(os.path.join(build_dir, "build.ninja")):
        raise BuildError(f"{build_dir} holds no Ninja build: configure and build it first")
    if compiles_in_batches(build_dir):
        raise BuildError(f"{build_dir} compiles the libraries in batches of files; the probe needs one object per "
                         f"file: cmake -S . -B build-probe -G Ninja -DTRAINER_UNITY_BUILD=OFF, build it, and pass "
                         f"--build-dir build-probe")
    programs = []
    for exe, workdir in _gtest_programs(build_dir):
        target = os.path.relpath(exe, build_dir)
        inputs = ninja_tool(build_dir, "inputs", target).split()
        sources = frozenset(os.path.realpath(os.path.join(build_dir, p)) for p in inputs)
        programs.append(TestProgram(exe, target, workdir, sources))
    if not programs:
        raise BuildError(f"CTest in {build_dir} registers no GoogleTest programs")
    return programs


def ninja_query(build_dir, path):
    """What the build makes from path directly, relative to the build directory."""
    text = ninja_tool(build_dir, "query", path)
    outputs, in_outputs = [], False
    for line in text.splitlines():
        if line.strip() == "outputs:":
            in_outputs = True
        elif in_outputs and line.startswith("    "):
            outputs.append(line.strip())
        else:
            in_outputs = False
    return outputs

