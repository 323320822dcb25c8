"""Runs the build and the test programs as child process groups that an
interruption or a time limit ends cleanly."""

import os
import re
import signal
import subprocess
import tempfile
import time
from dataclasses import dataclass

_FAILED_CASE = re.compile(r"^\[  FAILED  \] (\S+)", re.M)
_POLL_SECONDS = 0.02


@dataclass
class Outcome:
    failed: bool
    seconds: float
    reason: str = ""  # the first failing case, the signal, or "timed out"


class _Child:
    """A command in a process group of its own, its output in a temporary file."""

    def __init__(self, cmd, cwd=None):
        self.started = time.monotonic()
        self.log = tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace")
        self.process = subprocess.Popen(cmd, cwd=cwd, stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL, start_new_session=True)

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def stop(self):
        # SIGTERM first: ninja then deletes the outputs its interrupted
        # commands left half written.
        for sig, grace in ((signal.SIGTERM, 10), (signal.SIGKILL, None)):
            if self.process.poll() is not None:
                break
            try:
                os.killpg(self.process.pid, sig)
                self.process.wait(timeout=grace)
            except ProcessLookupError:
                break
            except subprocess.TimeoutExpired:
                continue
        self.log.close()


class Build:
    """A ninja run in the background, so that tests can run meanwhile."""

    def __init__(self, build_dir, targets, jobs):
        self._child = _Child(["nice", "ninja", "-C", build_dir, f"-j{jobs}", *targets])

    def wait(self):
        """Returns (succeeded, output)."""
        try:
            status = self._child.process.wait()
            return status == 0, self._child.output()
        finally:
            self._child.stop()

    def stop(self):
        self._child.stop()


def ninja(build_dir, targets, jobs):
    """Builds targets; returns (succeeded, output)."""
    return Build(build_dir, targets, jobs).wait()


class TestRun:
    """One GoogleTest program run as CTest would, stopping at its first
    failing case. A crash or a hang counts as a failure."""

    def __init__(self, program, timeout):
        self.program = program
        self.timeout = timeout
        self.outcome = None
        self._child = _Child([program.path, "--gtest_fail_fast", "--gtest_brief=1", "--gtest_color=no"],
                             program.workdir)

    def poll(self):
        """The outcome once the program has ended (or run out of time), else None."""
        seconds = time.monotonic() - self._child.started
        status = self._child.process.poll()
        if status is None:
            if seconds < self.timeout:
                return None
            self._child.stop()
            self.outcome = Outcome(True, seconds, f"timed out after {self.timeout:.0f} s")
            return self.outcome
        if status == 0:
            outcome = Outcome(False, seconds)
        elif status < 0:
            outcome = Outcome(True, seconds, f"killed by {signal.Signals(-status).name}")
        else:
            case = _FAILED_CASE.search(self._child.output())
            outcome = Outcome(True, seconds, case.group(1) if case else f"exit status {status}")
        self._child.stop()
        self.outcome = outcome
        return outcome

    def stop(self):
        self._child.stop()


def run_together(runs):
    """Waits for test runs started together; returns (run, outcome) of the
    first to fail, stopping the others, or None when all passed."""
    pending = list(runs)
    try:
        while pending:
            for run in list(pending):
                outcome = run.poll()
                if outcome is None:
                    continue
                pending.remove(run)
                if outcome.failed:
                    return run, outcome
            time.sleep(_POLL_SECONDS)
        return None
    finally:
        for run in pending:
            run.stop()


def run_test_program(program, timeout):
    run = TestRun(program, timeout)
    run_together([run])
    return run.outcome
