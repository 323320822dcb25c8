"""Keeps copies of the objects and libraries a run rebuilds, with their
times, and the times of the sources it mutates, so that the build can be
put back as it was: then ninja sees nothing to redo, and only the test
programs that linked a mutant are linked again.

Copies are needed because a recompiled original is not always the same
bytes: a shared compiler cache may hand back the object another checkout
compiled, whose debug information names that checkout's folders."""

import hashlib
import os
import shutil
import subprocess
import tempfile


def digest(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def code_digest(path):
    """The digest of an object file without its debug information: equal
    for two compilations that made the same code."""
    with tempfile.TemporaryDirectory() as tmp:
        stripped = os.path.join(tmp, "stripped.o")
        result = subprocess.run(["objcopy", "--strip-debug", path, stripped], capture_output=True)
        return digest(stripped if result.returncode == 0 else path)


def _replace_with_copy(source, destination):
    tmp = destination + ".probe-tmp"
    shutil.copy2(source, tmp)
    os.replace(tmp, destination)


class BuildOriginals:
    def __init__(self, store_dir):
        self.dir = store_dir
        shutil.rmtree(self.dir, ignore_errors=True)  # copies a killed run left
        os.makedirs(self.dir)
        self._copies = {}          # built file -> its copy
        self._source_times = {}    # source -> mtime_ns
        self._code = {}            # object -> code digest of its copy

    def remember(self, source, built):
        """Records the source's time and copies each built file, the first
        time each is named."""
        if source not in self._source_times:
            self._source_times[source] = os.stat(source).st_mtime_ns
        for path in built:
            if path not in self._copies and os.path.exists(path):
                copy = os.path.join(self.dir, str(len(self._copies)))
                shutil.copy2(path, copy)
                self._copies[path] = copy

    def same_code(self, obj):
        """Whether the object now holds the code it held when remembered."""
        if obj not in self._copies or not os.path.exists(obj):
            return False
        if obj not in self._code:
            self._code[obj] = code_digest(self._copies[obj])
        return code_digest(obj) == self._code[obj]

    def put_back(self):
        """Gives the sources their old times and the built files their old
        bytes and times."""
        for source, mtime in self._source_times.items():
            os.utime(source, ns=(mtime, mtime))
        for path, copy in self._copies.items():
            _replace_with_copy(copy, path)

    def discard(self):
        shutil.rmtree(self.dir, ignore_errors=True)


def times_of(paths):
    return {p: os.stat(p).st_mtime_ns for p in paths if os.path.exists(p)}


def set_times(times):
    for path, mtime in times.items():
        os.utime(path, ns=(mtime, mtime))
