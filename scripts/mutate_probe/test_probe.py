"""Tests of the fault probe itself, on a toy tree with a toy Ninja build (no
CMake, no compiler, a second or two):

    PYTHONDONTWRITEBYTECODE=1 python3 -m unittest discover -s scripts/mutate_probe -t scripts
"""

import os
import signal
import subprocess
import sys
import tempfile
import textwrap
import time
import unittest

from mutate_probe.buildgraph import BuildError, TestProgram, compiles_in_batches, find_test_programs
from mutate_probe.faults import find_faults
from mutate_probe.guard import SourceGuard
from mutate_probe.probe import Probe

SCRIPTS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


class FaultPlacesTest(unittest.TestCase):
    def changes(self, source):
        return [(f.before, f.after) for f in find_faults("x.cpp", textwrap.dedent(source))]

    def test_comments_literals_and_directives_are_left_alone(self):
        self.assertEqual(self.changes(r'''
            #include <vector>
            #define LIMIT(a) ((a) < 3 && \
                              true)
            // a == b && true
            /* x < 1 || false */
            const char* s = "a == \" b && 1";
            const char* r = R"(x < y || 2)";
            char c = '<';
            int n = 1'000;
            double d = 1e5 + 0.5;
            '''), [("1'000", "1001"), ("1'000", "999")])

    def test_template_brackets_arrows_and_shifts_are_not_comparisons(self):
        self.assertEqual(self.changes('''
            std::vector<std::pair<int, int>> v = static_cast<std::vector<int>>(w);
            p->q = a << b >> c;
            bool operator<(const A& o) const;
            template <typename T, typename U = std::less<T>> struct S;
            '''), [])

    def test_comparisons_logic_booleans_and_integers(self):
        self.assertEqual(self.changes('''
            if (a < b && c >= d) return f<int>(x) == 0x1F || false;
            '''), [("<", "<="), ("<", ">"), ("&&", "||"), (">=", ">"), (">=", "<="),
                   ("==", "!="), ("0x1F", "0x20"), ("0x1F", "0x1E"), ("||", "&&"), ("false", "true")])

    def test_a_fault_changes_only_its_token(self):
        text = "bool f(int a) { return a<=0; } // a<=0\n"
        fault = next(f for f in find_faults("x.cpp", text) if f.after == "<")
        self.assertEqual(fault.apply(text), "bool f(int a) { return a<0; } // a<=0\n")


# The toy build. "Compiling" copies the source without the lines marked
# NOCODE and fails on "||"; "archiving" copies the object; "linking" puts
# the library beside the test program, which fails unless it says "x == 1"
# and first sleeps (writing its process id to "sleeping") when it says
# "sleepy = false".
_BUILD_NINJA = """\
rule cc
  command = ! grep -q '||' $in && grep -v NOCODE $in > $out
rule ar
  command = cp $in $out
rule link
  command = cp $in $dir/linked.o && cp check.sh $out && chmod +x $out
build lib/a.o: cc {src}
build lib/liba.a: ar lib/a.o
build tests/lib/lib_tests | tests/lib/linked.o: link lib/liba.a
  dir = tests/lib
build tests/app/app_tests | tests/app/linked.o: link lib/liba.a
  dir = tests/app
"""
_CHECK_SH = """\
#!/bin/sh
here=$(dirname "$0")
if grep -q "sleepy = false" "$here/linked.o"; then echo $$ > "$here/sleeping"; sleep 60; fi
grep -q "x == 1" "$here/linked.o" || { echo "[  FAILED  ] Toy.Case"; exit 1; }
"""
_SOURCE = """\
int f(int x) { return x == 1 ? 2 : 3; }
int w = 7;
bool unused = true; // NOCODE
bool k = a && b;
bool sleepy = true;
"""


def build_is_current(build_dir):
    result = subprocess.run(["ninja", "-C", build_dir, "-n"], capture_output=True, text=True)
    return result.returncode == 0 and "no work to do" in result.stdout


def read(path):
    with open(path) as f:
        return f.read()


def toy_probe(repo, build):
    """The toy's two test programs: the library's own and one above it."""
    sources = frozenset([os.path.join(repo, "lib", "a.cpp")])
    programs = [TestProgram(os.path.join(build, target), target, build, sources)
                for target in ("tests/app/app_tests", "tests/lib/lib_tests")]
    return Probe(repo, build, programs, SourceGuard(repo), 1, 30)


def toy_fault(line, before, after):
    return next(f for f in find_faults("lib/a.cpp", _SOURCE) if (f.line, f.before, f.after) == (line, before, after))


class ToyTreeTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.repo = os.path.join(self.tmp.name, "repo")
        self.build = os.path.join(self.tmp.name, "build")
        self.src = os.path.join(self.repo, "lib", "a.cpp")
        os.makedirs(os.path.join(self.repo, "lib"))
        os.makedirs(os.path.join(self.build, "tests", "lib"))
        os.makedirs(os.path.join(self.build, "tests", "app"))
        with open(self.src, "w") as f:
            f.write(_SOURCE)
        with open(os.path.join(self.build, "check.sh"), "w") as f:
            f.write(_CHECK_SH)
        with open(os.path.join(self.build, "build.ninja"), "w") as f:
            f.write(_BUILD_NINJA.format(src=self.src))
        self.ninja()

    def tearDown(self):
        self.tmp.cleanup()

    def ninja(self):
        subprocess.run(["ninja", "-C", self.build], check=True, capture_output=True)

    def source(self):
        return read(self.src)


class BatchedBuildTest(ToyTreeTest):
    def test_a_build_compiling_files_in_batches_is_refused(self):
        cache = os.path.join(self.build, "CMakeCache.txt")
        with open(cache, "w") as f:
            f.write("TRAINER_UNITY_BUILD:BOOL=OFF\n")
        self.assertFalse(compiles_in_batches(self.build))
        with open(cache, "w") as f:
            f.write("TRAINER_UNITY_BUILD:BOOL=ON\n")
        with self.assertRaisesRegex(BuildError, "TRAINER_UNITY_BUILD=OFF"):
            find_test_programs(self.build)


class VerdictTest(ToyTreeTest):
    CASES = [((2, "7", "8"), "missed", "ran lib_tests, app_tests"),
             ((1, "==", "!="), "caught", "lib_tests: Toy.Case"),
             ((3, "true", "false"), "equivalent", "the compiler made the same code"),
             ((4, "&&", "||"), "not compiled", None)]

    def test_each_verdict_restores_the_source_and_leaves_a_consistent_build(self):
        probe = toy_probe(self.repo, self.build)
        for fault, status, detail in self.CASES:
            with self.subTest(fault=fault):
                result = probe.try_fault(toy_fault(*fault))
                self.assertEqual(result.status, status)
                if detail:
                    self.assertEqual(result.detail, detail)
                self.assertEqual(self.source(), _SOURCE)
                # A mutant's object must be compiled again; an unchanged one must not.
                self.assertEqual(build_is_current(self.build), status in ("equivalent", "not compiled"))
                self.ninja()

    def test_the_build_ends_as_it_started(self):
        objects = [self.src, os.path.join(self.build, "lib/a.o"), os.path.join(self.build, "lib/liba.a")]
        times = [os.stat(p).st_mtime_ns for p in objects]
        probe = toy_probe(self.repo, self.build)
        # Faults in a row with no build between: an unchanged object must
        # not hide that the library still holds an earlier mutant.
        for fault, status, _ in self.CASES:
            self.assertEqual(probe.try_fault(toy_fault(*fault)).status, status)
        self.assertTrue(probe.finish(relink=True))
        self.assertTrue(build_is_current(self.build))
        self.assertEqual(read(os.path.join(self.build, "tests/lib/linked.o")), read(objects[1]))
        self.assertEqual([os.stat(p).st_mtime_ns for p in objects], times)

    def test_a_hung_test_program_counts_as_caught(self):
        probe = toy_probe(self.repo, self.build)
        probe.timeout = 1
        result = probe.try_fault(toy_fault(5, "true", "false"))
        self.assertEqual((result.status, result.detail), ("caught", "lib_tests: timed out after 1 s"))
        self.assertEqual(self.source(), _SOURCE)


_CHILD = """\
import sys
sys.path.insert(0, {scripts!r})
from mutate_probe.guard import Interrupted, raise_on_stop_signals
from mutate_probe.test_probe import toy_fault, toy_probe
raise_on_stop_signals()
probe = toy_probe({repo!r}, {build!r})
try:
    probe.try_fault(toy_fault(5, "true", "false"))
except Interrupted:
    probe.finish(relink=False)
    sys.exit(130)
"""


class InterruptionTest(ToyTreeTest):
    def start_probe_and_wait_for_the_test_program(self):
        child = subprocess.Popen([sys.executable, "-c", _CHILD.format(scripts=SCRIPTS, repo=self.repo,
                                                                      build=self.build)])
        sleeping = os.path.join(self.build, "tests", "lib", "sleeping")
        deadline = time.monotonic() + 20
        while not os.path.exists(sleeping) or not read(sleeping).strip():
            self.assertLess(time.monotonic(), deadline, "the test program never started")
            time.sleep(0.05)
        self.assertNotEqual(self.source(), _SOURCE)
        return child, int(read(sleeping))

    @staticmethod
    def group_ends(pgid):
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                os.killpg(pgid, 0)
            except ProcessLookupError:
                return True
            time.sleep(0.05)
        return False

    def test_a_terminated_run_restores_the_file_and_ends_its_test_program(self):
        child, test_pid = self.start_probe_and_wait_for_the_test_program()
        child.send_signal(signal.SIGTERM)
        self.assertEqual(child.wait(timeout=20), 130)
        self.assertEqual(self.source(), _SOURCE)
        self.assertTrue(self.group_ends(test_pid), "the test program outlived the probe")
        self.ninja()
        linked = read(os.path.join(self.build, "tests/lib/linked.o"))
        self.assertIn("sleepy = true", linked)

    def test_a_killed_run_is_restored_by_the_next(self):
        child, test_pid = self.start_probe_and_wait_for_the_test_program()
        child.kill()
        child.wait(timeout=20)
        os.killpg(test_pid, signal.SIGKILL)
        self.assertNotEqual(self.source(), _SOURCE)
        self.assertEqual(SourceGuard(self.repo).recover(), "lib/a.cpp")
        self.assertEqual(self.source(), _SOURCE)
        self.assertFalse(build_is_current(self.build))
        self.assertIsNone(SourceGuard(self.repo).recover())


if __name__ == "__main__":
    unittest.main()
