"""Remembers the bytes and modification times of files in the tree and the
build, so that files whose bytes are back to what they were can get their
old times back too: then ninja sees the build as it was, and nothing that
links them is rebuilt for nothing."""

import hashlib
import os


def digest(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


class Snapshot:
    def __init__(self):
        self._files = {}  # absolute path -> (sha256, mtime_ns)

    def remember(self, paths):
        """Records each existing path the first time it is named."""
        for path in paths:
            if path not in self._files and os.path.exists(path):
                self._files[path] = (digest(path), os.stat(path).st_mtime_ns)

    def same_bytes(self, path):
        return path in self._files and os.path.exists(path) and digest(path) == self._files[path][0]

    def give_back_times(self):
        """Puts the recorded time back on every file whose bytes are as
        recorded; returns the files whose bytes differ."""
        differing = []
        for path, (_, mtime) in self._files.items():
            if self.same_bytes(path):
                os.utime(path, ns=(mtime, mtime))
            else:
                differing.append(path)
        return differing


def times_of(paths):
    return {p: os.stat(p).st_mtime_ns for p in paths if os.path.exists(p)}


def set_times(times):
    for path, mtime in times.items():
        os.utime(path, ns=(mtime, mtime))
