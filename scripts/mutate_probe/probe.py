"""One fault at a time: plant it, rebuild what links it, run the test
programs that could notice, put the original back."""

import json
import os
import subprocess
import time
from dataclasses import dataclass, field

from . import runner
from .buildgraph import ninja_query
from .snapshot import BuildOriginals, digest, set_times, times_of

_MS = 1_000_000


@dataclass
class Result:
    fault: object
    status: str           # "caught", "missed", "not compiled" or "equivalent"
    detail: str = ""
    seconds: float = 0.0
    testing: float = 0.0  # seconds spent in test programs; the rest is building
    ran: list = field(default_factory=list)


def _common_prefix(a, b):
    n = 0
    while n < len(a) and n < len(b) and a[n] == b[n]:
        n += 1
    return n


class Probe:
    def __init__(self, repo, build_dir, programs, guard, jobs, timeout):
        self.repo = repo
        self.build_dir = build_dir
        self.programs = programs
        self.guard = guard
        self.jobs = jobs
        self.timeout = timeout
        self.clean_seconds = {}   # program target -> seconds of a run without faults
        self.linked = set()       # test programs some mutant's code was linked into
        self.catches = {}         # program target -> faults it caught in this run
        self.symbols = {}         # program target -> the symbols it defines
        self.originals = BuildOriginals(os.path.join(guard.dir, "build-originals"))

    def programs_linking(self, rel_path):
        source = os.path.realpath(os.path.join(self.repo, rel_path))
        return [p for p in self.programs if source in p.sources]

    def _in_order(self, fault, programs):
        """The tests of the mutated folder first, then those that caught
        most faults so far, then the quickest."""
        folder = fault.folder.split("/")
        return sorted(programs, key=lambda p: (-_common_prefix(p.test_folder, folder),
                                               -self.catches.get(p.target, 0),
                                               self.clean_seconds.get(p.target, 0), p.name))

    def _holding(self, objects, programs):
        """The programs into which the linker took the objects: a program
        that links their library but none of their code cannot notice a
        fault in it, and need not be linked again."""
        wanted = set()
        for o in objects:
            wanted |= _symbols(self._build_path(o), strong_globals_only=True)
        if not wanted:
            return programs
        for p in programs:
            if p.target not in self.symbols:
                self.symbols[p.target] = _symbols(p.path)
        return [p for p in programs if wanted & self.symbols[p.target] or not self.symbols[p.target]]

    def _time_limit(self, program):
        if self.timeout:
            return self.timeout
        return max(30.0, 5 * self.clean_seconds.get(program.target, 30.0))

    def _build_path(self, rel):
        return os.path.join(self.build_dir, rel)

    # Before and after the faults --------------------------------------------

    def check_clean_runs(self, programs, say):
        """Builds the programs and runs each once without a fault: a program
        that fails already would 'catch' every fault. Times are remembered
        per executable content, so an unchanged program is not run again."""
        ok, log = runner.ninja(self.build_dir, [p.target for p in programs], self.jobs)
        if not ok:
            raise SystemExit(f"the test programs do not build:\n{log[-3000:]}")
        cache_path = os.path.join(self.guard.dir, "clean-runs.json")
        try:
            with open(cache_path, encoding="utf-8") as f:
                cache = json.load(f)
        except (OSError, ValueError):
            cache = {}
        for p in programs:
            sha = digest(p.path)
            if cache.get(p.path, {}).get("sha256") == sha:
                self.clean_seconds[p.target] = cache[p.path]["seconds"]
                continue
            say(f"clean run of {p.name} ...")
            outcome = runner.run_test_program(p, self.timeout or 1800)
            if outcome.failed:
                raise SystemExit(f"{p.name} fails without any fault ({outcome.reason}); fix that first")
            self.clean_seconds[p.target] = outcome.seconds
            cache[p.path] = {"sha256": sha, "seconds": round(outcome.seconds, 2)}
            with open(cache_path, "w", encoding="utf-8") as f:
                json.dump(cache, f, indent=1)

    def finish(self, relink):
        """Puts the build back as it was: the mutated sources' times, the
        objects and libraries as they were, and the test programs that
        linked a mutant made out of date, then (unless stopping) linked
        again. Returns False if that build failed."""
        self.originals.put_back()
        for target in self.linked:
            if os.path.exists(self._build_path(target)):
                os.utime(self._build_path(target), ns=(1, 1))
        self.originals.discard()
        if relink and self.linked:
            ok, log = runner.ninja(self.build_dir, sorted(self.linked), self.jobs)
            if not ok:
                print(log[-3000:])
                return False
        return True

    # One fault --------------------------------------------------------------

    def try_fault(self, fault):
        started = time.monotonic()
        source = os.path.join(self.repo, fault.path)
        with open(source, "rb") as f:
            original = f.read()
        objects = [o for o in ninja_query(self.build_dir, source) if o.endswith(".o")]
        libraries = [a for o in objects for a in ninja_query(self.build_dir, o) if a.endswith(".a")]
        self.originals.remember(source, [self._build_path(p) for p in objects + libraries])
        times_before = times_of([source] + [self._build_path(o) for o in objects])
        mutant = fault.apply(original.decode("utf-8", "surrogateescape")).encode("utf-8", "surrogateescape")
        object_unchanged = False
        self.guard.mutate(fault.path, original, mutant)
        try:
            self._make_newer(source, objects)
            result = self._build_and_test(fault, objects)
            object_unchanged = result.status in ("not compiled", "equivalent")
        finally:
            self.guard.restore(fault.path, original)
            if object_unchanged:
                # The objects hold what they held before: so do the times,
                # and ninja has nothing to redo.
                set_times(times_before)
            else:
                self._make_newer(source, objects)
        result.seconds = time.monotonic() - started
        return result

    def _make_newer(self, source, objects):
        """Dates the source after its objects, so that ninja compiles it again."""
        newest = max((os.stat(self._build_path(o)).st_mtime_ns for o in objects
                      if os.path.exists(self._build_path(o))), default=0)
        t = max(time.time_ns(), newest + _MS)
        os.utime(source, ns=(t, t))

    def _build_and_test(self, fault, objects):
        if not objects:
            return Result(fault, "not compiled", "this build compiles no object from the file")
        ok, log = runner.ninja(self.build_dir, objects, self.jobs)
        if not ok:
            return Result(fault, "not compiled", _first_error(log))
        if all(self.originals.same_code(self._build_path(o)) for o in objects):
            return Result(fault, "equivalent", "the compiler made the same code")
        programs = self._in_order(fault, self._holding(objects, self.programs_linking(fault.path)))
        if not programs:
            return Result(fault, "missed", "no test program links the file's code")
        ran, testing = [], 0.0
        # The likeliest catcher alone, then the others as many at a time as
        # there are jobs, run together; each batch links while the one
        # before it runs.
        batches = [programs[:1]] + [programs[i:i + self.jobs] for i in range(1, len(programs), self.jobs)]
        next_build = self._start_build(batches[0])
        for k, batch in enumerate(batches):
            ok, log = next_build.wait()
            if not ok:
                return Result(fault, "not compiled", _first_error(log), ran=ran)
            next_build = self._start_build(batches[k + 1]) if k + 1 < len(batches) else None
            stop_next = True
            testing_started = time.monotonic()
            try:
                failure = self._run_until_failure(batch, ran)
                stop_next = failure is not None
            finally:
                testing += time.monotonic() - testing_started
                if next_build and stop_next:
                    next_build.stop()
            if failure:
                return Result(fault, "caught", failure, testing=testing, ran=ran)
        return Result(fault, "missed", "ran " + ", ".join(ran), testing=testing, ran=ran)

    def _run_until_failure(self, batch, ran):
        """Runs the programs together; returns what the first to fail
        reported, or None."""
        ran.extend(p.name for p in batch)
        failure = runner.run_together([runner.TestRun(p, self._time_limit(p)) for p in batch])
        if not failure:
            return None
        run, outcome = failure
        self.catches[run.program.target] = self.catches.get(run.program.target, 0) + 1
        return f"{run.program.name}: {outcome.reason}"

    def _start_build(self, batch):
        targets = [p.target for p in batch]
        self.linked.update(targets)
        return runner.Build(self.build_dir, targets, self.jobs)


def _symbols(path, strong_globals_only=False):
    """The names of the symbols a binary defines (none if nm cannot read it)."""
    result = subprocess.run(["nm", "--defined-only", *(["-g"] if strong_globals_only else []), path],
                            capture_output=True, text=True)
    names = set()
    for line in result.stdout.splitlines():
        parts = line.split()
        if len(parts) == 3 and (not strong_globals_only or parts[1] in "TDBR"):
            names.add(parts[2])
    return names


def _first_error(log):
    for line in log.splitlines():
        if "error" in line:
            return line.strip()[:200]
    return log.strip().splitlines()[-1][:200] if log.strip() else "build failed"
