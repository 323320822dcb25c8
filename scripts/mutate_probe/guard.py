"""Keeps the source tree as the probe found it: every mutant is written only
after the original is saved beside the repository's git data, is replaced by
the original when its fault is done, and a backup left by a run that was
killed outright is put back when the next run starts."""

import fcntl
import json
import os
import signal
import subprocess
import time

_STOP_SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)


class Interrupted(Exception):
    pass


def _stop(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


def raise_on_stop_signals():
    """Turns SIGINT, SIGTERM and SIGHUP into Interrupted, so that the
    handlers that restore the tree run."""
    for s in _STOP_SIGNALS:
        signal.signal(s, _stop)


class _SignalsHeld:
    """Holds the stop signals back while the original is being written."""

    def __enter__(self):
        signal.pthread_sigmask(signal.SIG_BLOCK, _STOP_SIGNALS)

    def __exit__(self, *_):
        signal.pthread_sigmask(signal.SIG_UNBLOCK, _STOP_SIGNALS)


def state_dir(repo):
    """Where backups live: the worktree's own git data, which no build or
    status listing sees; a hidden folder in the tree without git."""
    try:
        out = subprocess.run(["git", "rev-parse", "--git-path", "mutate-probe"], cwd=repo,
                             capture_output=True, text=True, check=True).stdout.strip()
        return os.path.join(repo, out)
    except (OSError, subprocess.CalledProcessError):
        return os.path.join(repo, ".mutate-probe")


def _write_atomically(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
        f.flush()
        os.fsync(f.fileno())
    os.replace(tmp, path)


class SourceGuard:
    def __init__(self, repo):
        self.repo = repo
        self.dir = state_dir(repo)
        os.makedirs(self.dir, exist_ok=True)
        self._backup = os.path.join(self.dir, "original")
        self._record = os.path.join(self.dir, "mutated.json")
        self._lock = None

    def lock(self):
        """Only one probe at a time may mutate this tree."""
        self._lock = open(os.path.join(self.dir, "lock"), "w")
        try:
            fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            raise SystemExit(f"another probe is running on {self.repo}") from None

    def recover(self):
        """Puts back a file a killed run left mutated; returns its path or None."""
        if not os.path.exists(self._record):
            return None
        with open(self._record, encoding="utf-8") as f:
            record = json.load(f)
        with open(self._backup, "rb") as f:
            original = f.read()
        path = os.path.join(self.repo, record["path"])
        with _SignalsHeld():
            with open(path, "rb") as f:
                mutated = f.read() != original
            if mutated:
                with open(path, "wb") as f:
                    f.write(original)
                # Newer than any object compiled from the mutant, so the next build recompiles it.
                os.utime(path, ns=(time.time_ns(), time.time_ns()))
            os.remove(self._record)
            os.remove(self._backup)
        return record["path"] if mutated else None

    def mutate(self, rel_path, original, mutant):
        """Saves the original, then writes the mutant in its place."""
        _write_atomically(self._backup, original)
        _write_atomically(self._record + ".new", json.dumps({"path": rel_path}).encode())
        os.replace(self._record + ".new", self._record)
        with open(os.path.join(self.repo, rel_path), "wb") as f:
            f.write(mutant)

    def restore(self, rel_path, original):
        """Writes the original back and checks it byte for byte."""
        path = os.path.join(self.repo, rel_path)
        with _SignalsHeld():
            with open(path, "wb") as f:
                f.write(original)
            with open(path, "rb") as f:
                if f.read() != original:
                    raise RuntimeError(f"{rel_path} could not be restored; its original is in {self._backup}")
            os.remove(self._record)
            os.remove(self._backup)
