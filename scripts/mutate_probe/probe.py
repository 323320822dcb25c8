"""One fault at a time: plant it, rebuild what links it, run the test
programs that could notice, put the original back."""

import hashlib
import json
import os
import time
from dataclasses import dataclass, field

from . import runner
from .buildgraph import objects_of

_MS = 1_000_000


@dataclass
class Result:
    fault: object
    status: str           # "caught", "missed", "not compiled" or "equivalent"
    detail: str = ""
    seconds: float = 0.0
    ran: list = field(default_factory=list)


def _digest(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


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
        self.baseline = {}         # program target -> seconds of a clean run
        self.build_changed = False  # some test program now holds a mutant's code

    def programs_linking(self, rel_path):
        source = os.path.realpath(os.path.join(self.repo, rel_path))
        return [p for p in self.programs if source in p.sources]

    def _in_order(self, fault, programs):
        """The tests of the mutated folder first, then the quickest."""
        folder = fault.folder.split("/")
        return sorted(programs, key=lambda p: (-_common_prefix(p.test_folder, folder),
                                               self.baseline.get(p.target, 0), p.name))

    def _time_limit(self, program):
        if self.timeout:
            return self.timeout
        return max(30.0, 5 * self.baseline.get(program.target, 30.0))

    # The clean runs -------------------------------------------------------

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
            digest = _digest(p.path)
            if cache.get(p.path, {}).get("sha256") == digest:
                self.baseline[p.target] = cache[p.path]["seconds"]
                continue
            say(f"clean run of {p.name} ...")
            outcome = runner.run_test_program(p, self.timeout or 1800)
            if outcome.failed:
                raise SystemExit(f"{p.name} fails without any fault ({outcome.reason}); fix that first")
            self.baseline[p.target] = outcome.seconds
            cache[p.path] = {"sha256": digest, "seconds": round(outcome.seconds, 2)}
            with open(cache_path, "w", encoding="utf-8") as f:
                json.dump(cache, f, indent=1)

    # One fault ------------------------------------------------------------

    def try_fault(self, fault):
        started = time.monotonic()
        source = os.path.join(self.repo, fault.path)
        with open(source, "rb") as f:
            original = f.read()
        source_mtime = os.stat(source).st_mtime_ns
        objects = [os.path.relpath(o, self.build_dir) for o in objects_of(self.build_dir, source)]
        before = {o: (_digest(os.path.join(self.build_dir, o)), os.stat(os.path.join(self.build_dir, o)).st_mtime_ns)
                  for o in objects if os.path.exists(os.path.join(self.build_dir, o))}
        mutant = fault.apply(original.decode("utf-8", "surrogateescape")).encode("utf-8", "surrogateescape")
        object_unchanged = False
        self.guard.mutate(fault.path, original, mutant)
        try:
            self._make_newer_than_objects(source, objects)
            result = self._build_and_test(fault, objects, before)
            object_unchanged = result.status in ("not compiled", "equivalent")
        finally:
            if object_unchanged:
                # The objects hold the original's code: give back the old
                # times too, and ninja has nothing to redo.
                self.guard.restore(fault.path, original, source_mtime)
                for o, (_, mtime) in before.items():
                    os.utime(os.path.join(self.build_dir, o), ns=(mtime, mtime))
            else:
                self.guard.restore(fault.path, original, self._newer_than_objects(objects))
        result.seconds = time.monotonic() - started
        return result

    def _newer_than_objects(self, objects):
        newest = max((os.stat(os.path.join(self.build_dir, o)).st_mtime_ns for o in objects
                      if os.path.exists(os.path.join(self.build_dir, o))), default=0)
        return max(time.time_ns(), newest + _MS)

    def _make_newer_than_objects(self, source, objects):
        t = self._newer_than_objects(objects)
        os.utime(source, ns=(t, t))

    def _build_and_test(self, fault, objects, before):
        if not objects:
            return Result(fault, "not compiled", "this build compiles no object from the file")
        ok, log = runner.ninja(self.build_dir, objects, self.jobs)
        if not ok:
            return Result(fault, "not compiled", _first_error(log))
        if all(o in before and _digest(os.path.join(self.build_dir, o)) == before[o][0] for o in objects):
            return Result(fault, "equivalent", "the compiler made the same object code")
        self.build_changed = True
        programs = self._in_order(fault, self.programs_linking(fault.path))
        if not programs:
            return Result(fault, "missed", "no test program links the file")
        ran = []
        for p in programs:
            ok, log = runner.ninja(self.build_dir, [p.target], self.jobs)
            if not ok:
                return Result(fault, "not compiled", _first_error(log), ran=ran)
            ran.append(p.name)
            outcome = runner.run_test_program(p, self._time_limit(p))
            if outcome.failed:
                return Result(fault, "caught", f"{p.name}: {outcome.reason}", ran=ran)
        return Result(fault, "missed", "ran " + ", ".join(ran), ran=ran)


def _first_error(log):
    for line in log.splitlines():
        if "error" in line:
            return line.strip()[:200]
    return log.strip().splitlines()[-1][:200] if log.strip() else "build failed"
