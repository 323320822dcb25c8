"""How the probe shows a fault, its verdict and the score."""

import json
from collections import defaultdict

_WIDTH = 34  # characters of context shown on each side of the change


def change_text(fault, text):
    """The source line around the fault before and after it, e.g.
    "a && b  →  a || b"."""
    line_start = text.rfind("\n", 0, fault.start) + 1
    line_end = text.find("\n", fault.start)
    line_end = len(text) if line_end < 0 else line_end
    head = text[line_start:fault.start].lstrip()
    tail = text[fault.start + len(fault.before):line_end].rstrip()
    if len(head) > _WIDTH:
        head = "…" + head[-_WIDTH:]
    if len(tail) > _WIDTH:
        tail = tail[:_WIDTH] + "…"
    return f"{head}{fault.before}{tail}  →  {head}{fault.after}{tail}"


def verdict_line(index, total, result, text):
    width = len(str(total))
    return (f"[{index:>{width}}/{total}] {result.status:<12} {result.fault.key}\n"
            f"{'':{2 * width + 4}}{change_text(result.fault, text)}\n"
            f"{'':{2 * width + 4}}{result.detail} ({result.seconds:.1f} s, "
            f"{result.testing:.1f} s of it testing)")


def _layer(folder):
    return folder.split("/", 1)[0]


def score_lines(results):
    """The overall score and the score per folder; faults that did not
    compile or compiled to the same code count for neither side."""
    counted = [r for r in results if r.status in ("caught", "missed")]
    lines = []

    def share(caught, total):
        return f"{caught} of {total} caught" + (f" ({100 * caught / total:.0f} %)" if total else "")

    caught = sum(r.status == "caught" for r in counted)
    not_compiled = sum(r.status == "not compiled" for r in results)
    equivalent = sum(r.status == "equivalent" for r in results)
    lines.append(f"score: {share(caught, len(counted))}; not counted: {not_compiled} not compiled, "
                 f"{equivalent} equivalent (same code)")
    by_folder = defaultdict(lambda: [0, 0])
    by_layer = defaultdict(lambda: [0, 0])
    for r in counted:
        for table, key in ((by_folder, r.fault.folder), (by_layer, _layer(r.fault.folder))):
            table[key][0] += r.status == "caught"
            table[key][1] += 1
    for layer in sorted(by_layer):
        lines.append(f"  {layer + '/':<24} {share(*by_layer[layer])}")
        subfolders = [f for f in sorted(by_folder) if _layer(f) == layer]
        if subfolders != [layer]:
            for folder in subfolders:
                lines.append(f"    {folder + '/':<22} {share(*by_folder[folder])}")
    missed = [r for r in results if r.status == "missed"]
    if missed:
        lines.append("missed (check one again with --only KEY):")
        lines.extend(f"  {r.fault.key}" for r in missed)
    return lines


def write_json(path, results):
    with open(path, "w", encoding="utf-8") as f:
        for r in results:
            record = {"key": r.fault.key, "kind": r.fault.kind, "folder": r.fault.folder, "status": r.status,
                      "detail": r.detail, "seconds": round(r.seconds, 1), "testing": round(r.testing, 1),
                      "ran": r.ran}
            f.write(json.dumps(record, ensure_ascii=False) + "\n")
