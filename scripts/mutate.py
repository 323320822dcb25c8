#!/usr/bin/env python3
"""Fault-injection probe: do the tests notice when the program's code is wrong?

Plants one small fault at a time in a .cpp file of the program's own code
(a comparison flipped, && and || swapped, true and false swapped, an integer
one more or one less), rebuilds only the test programs that link that file,
runs them until one fails, puts the file back and prints whether the fault
was caught or missed; at the end the score overall and per folder.

  scripts/mutate.py --seed 7 --count 100            a seeded sample
  scripts/mutate.py --only "skin/load/TacSkinConvertor.cpp:71:10:'!='->'=='"
  scripts/mutate.py --list --count 20               the sample, without running it

It works in an existing build directory (--build-dir, default build) and
leaves the tree as it found it, also when interrupted; a file left mutated
by a run that was killed outright is put back when the next run starts.
"""

import argparse
import os
import sys
import time

# The probe must leave the tree as it found it, byte caches included.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from mutate_probe import buildgraph, report, selection  # noqa: E402
from mutate_probe.faults import KINDS  # noqa: E402
from mutate_probe.guard import Interrupted, SourceGuard, raise_on_stop_signals  # noqa: E402
from mutate_probe.probe import Probe  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def parse_args(argv):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                formatter_class=argparse.RawDescriptionHelpFormatter,
                                epilog=__doc__.split("\n\n", 1)[1])
    p.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    p.add_argument("--count", type=int, default=20, help="faults in the sample (default 20)")
    p.add_argument("--folders", default=",".join(selection.DEFAULT_FOLDERS),
                   help="comma-separated folders, subfolders included (default %(default)s)")
    p.add_argument("--files", nargs="+", metavar="FILE", help="sample from these files instead")
    p.add_argument("--kinds", default=",".join(KINDS),
                   help="comma-separated kinds of fault (default %(default)s)")
    p.add_argument("--only", action="append", metavar="KEY",
                   help="try this fault: FILE:LINE[:COL][:'BEFORE'->'AFTER'] (repeatable)")
    p.add_argument("--list", action="store_true", help="print the faults without trying them")
    p.add_argument("--build-dir", default=os.path.join(REPO, "build-probe"),
                   help="existing Ninja build with one object per file (default build-probe)")
    p.add_argument("--jobs", type=int, default=2, help="ninja jobs (default 2)")
    p.add_argument("--timeout", type=float, default=0,
                   help="seconds a test program may run (default five times its clean run, at least 30)")
    p.add_argument("--json", metavar="FILE", help="also write one JSON line per fault")
    return p.parse_args(argv)


def choose_faults(args):
    if args.only:
        return [f for key in args.only for f in selection.named(REPO, key)], None
    kinds = tuple(k for k in args.kinds.split(",") if k)
    unknown = [k for k in kinds if k not in KINDS]
    if unknown:
        raise selection.SelectionError(f"unknown kinds {unknown}; known: {', '.join(KINDS)}")
    if args.files:
        files = [selection.relative(REPO, f) for f in args.files]
        for f in files:
            selection.check_mutable(f)
    else:
        folders = [f.strip().strip("/") for f in args.folders.split(",") if f.strip()]
        for folder in folders:
            if folder.split("/")[0] in selection.NEVER_FOLDERS:
                raise selection.SelectionError(f"{folder} is not the program's own code")
        files = selection.files_in(REPO, folders)
    return selection.sample(REPO, files, kinds, args.seed, args.count)


def main(argv):
    args = parse_args(argv)
    build_dir = os.path.abspath(args.build_dir)
    guard = SourceGuard(REPO)
    guard.lock()
    left = guard.recover()
    if left:
        print(f"restored {left}, left mutated by an interrupted run")
    try:
        faults, places = choose_faults(args)
    except selection.SelectionError as e:
        raise SystemExit(str(e)) from None
    if places is not None:
        print(f"{len(faults)} faults at places drawn with seed {args.seed} from {places}")
    texts = {f.path: selection.read_source(REPO, f.path) for f in faults}
    if args.list:
        for f in faults:
            print(f"{f.key}\n    {report.change_text(f, texts[f.path])}")
        return 0

    raise_on_stop_signals()
    started = time.monotonic()
    results = []
    probe = None
    interrupted = False
    try:
        programs = buildgraph.find_test_programs(build_dir)
        probe = Probe(REPO, build_dir, programs, guard, args.jobs, args.timeout)
        needed = sorted({p for f in faults for p in probe.programs_linking(f.path)}, key=lambda p: p.name)
        probe.check_clean_runs(needed, print)
        for i, fault in enumerate(faults, 1):
            result = probe.try_fault(fault)
            results.append(result)
            print(report.verdict_line(i, len(faults), result, texts[fault.path]), flush=True)
    except Interrupted as e:
        interrupted = True
        print(f"\ninterrupted by {e}; the tree is as it was", file=sys.stderr)
    except buildgraph.BuildError as e:
        raise SystemExit(str(e)) from None
    finally:
        if probe:
            if not interrupted:
                print("linking the test programs again from the restored sources ...", flush=True)
            probe.finish(relink=not interrupted)
    for line in report.score_lines(results):
        print(line)
    print(f"{len(results)} faults in {time.monotonic() - started:.0f} s")
    if args.json:
        report.write_json(args.json, results)
    return 130 if interrupted else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
