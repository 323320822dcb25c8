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


@dataclass
class Outcome:
    failed: bool
    seconds: float
    reason: str = ""  # the first failing case, the signal, or "timed out"


def _run(cmd, cwd, timeout, log):
    """Runs cmd in a process group of its own; returns (exit status or None
    when it timed out, seconds)."""
    started = time.monotonic()
    child = subprocess.Popen(cmd, cwd=cwd, stdout=log, stderr=subprocess.STDOUT,
                             stdin=subprocess.DEVNULL, start_new_session=True)
    try:
        status = child.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        _end_group(child)
        return None, time.monotonic() - started
    except BaseException:
        _end_group(child)
        raise
    return status, time.monotonic() - started


def _end_group(child):
    # SIGTERM first: ninja then deletes the outputs its interrupted commands
    # left half written.
    for sig, grace in ((signal.SIGTERM, 10), (signal.SIGKILL, None)):
        try:
            os.killpg(child.pid, sig)
        except ProcessLookupError:
            break
        try:
            child.wait(timeout=grace)
            break
        except subprocess.TimeoutExpired:
            continue


class Build:
    """A ninja run in the background, so that tests can run meanwhile."""

    def __init__(self, build_dir, targets, jobs):
        self._log = tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace")
        self._child = subprocess.Popen(["nice", "ninja", "-C", build_dir, f"-j{jobs}", *targets],
                                       stdout=self._log, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, start_new_session=True)

    def wait(self):
        """Returns (succeeded, output)."""
        try:
            status = self._child.wait()
        except BaseException:
            self.stop()
            raise
        self._log.seek(0)
        output = self._log.read()
        self._log.close()
        return status == 0, output

    def stop(self):
        if self._child.poll() is None:
            _end_group(self._child)
        self._log.close()


def ninja(build_dir, targets, jobs):
    """Builds targets; returns (succeeded, output)."""
    return Build(build_dir, targets, jobs).wait()


def run_test_program(program, timeout):
    """Runs one GoogleTest program as CTest would, stopping at its first
    failing case. A crash or a hang counts as a failure."""
    with tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace") as log:
        status, seconds = _run([program.path, "--gtest_fail_fast", "--gtest_brief=1", "--gtest_color=no"],
                               program.workdir, timeout, log)
        if status == 0:
            return Outcome(False, seconds)
        if status is None:
            return Outcome(True, seconds, f"timed out after {timeout:.0f} s")
        if status < 0:
            return Outcome(True, seconds, f"killed by {signal.Signals(-status).name}")
        log.seek(0)
        case = _FAILED_CASE.search(log.read())
        return Outcome(True, seconds, case.group(1) if case else f"exit status {status}")
