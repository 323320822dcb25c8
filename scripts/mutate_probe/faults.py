"""The faults the probe plants: where they can go in a source file and the
text each one puts there."""

import re
from dataclasses import dataclass

from .lexer import tokenize

# Each kind of fault with the replacements it makes.
KINDS = {
    "equality": {"==": "!=", "!=": "=="},
    "boundary": {"<": "<=", "<=": "<", ">": ">=", ">=": ">"},
    "direction": {"<": ">", ">": "<", "<=": ">=", ">=": "<="},
    "logic": {"&&": "||", "||": "&&"},
    "bool": {"true": "false", "false": "true"},
    "constant": {},  # an integer literal one more or one less
}

_COMPARISONS = {"<", "<=", ">", ">="}
# Tokens that may stand between the angle brackets of a template argument list.
_TEMPLATE_ARGUMENT_OPS = {"::", ",", "*", "&", "...", "(", ")", "[", "]"}
# Tokens that may follow the closing bracket of a template argument list.
_AFTER_TEMPLATE = {"(", ")", "{", "}", "::", ",", ";", ">", ">>", "&", "*", "&&",
                   "...", "[", "]", "=", ":"}
_INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|0[bB][01']+|[0-9][0-9']*)([A-Za-z_][A-Za-z_0-9]*)?")


@dataclass(frozen=True)
class Fault:
    path: str    # relative to the repository, "/"-separated
    line: int
    col: int
    start: int   # offset of the replaced token in the source text
    before: str
    after: str
    kind: str

    @property
    def key(self):
        """The fault as --only accepts it."""
        return f"{self.path}:{self.line}:{self.col}:'{self.before}'->'{self.after}'"

    @property
    def folder(self):
        return self.path.rsplit("/", 1)[0] if "/" in self.path else "."

    def apply(self, text):
        end = self.start + len(self.before)
        assert text[self.start:end] == self.before, f"{self.key} does not match the file"
        return text[:self.start] + self.after + text[end:]


def _template_bracket_run(tokens, i):
    """If the "<" at tokens[i] opens a template argument list, returns the
    indices of its brackets (nested ones included), else None."""
    forced = tokens[i - 1].text == "template"
    depth, parens, brackets = 1, 0, [i]
    for j in range(i + 1, min(len(tokens), i + 200)):
        t = tokens[j]
        if t.text == "<":
            depth += 1
            brackets.append(j)
        elif t.text in (">", ">>") and parens == 0:
            closes = 1 if t.text == ">" else 2
            if closes > depth:
                return None
            depth -= closes
            brackets.append(j)
            if depth == 0:
                following = tokens[j + 1] if j + 1 < len(tokens) else None
                plausible = following is None or following.kind == "id" or following.text in _AFTER_TEMPLATE
                return brackets if forced or plausible else None
        elif t.text in ("(", "["):
            parens += 1
        elif t.text in (")", "]"):
            parens -= 1
            if parens < 0:
                return None
        elif forced:
            if t.text in ("{", ";"):
                return None
        elif t.kind not in ("id", "num") and t.text not in _TEMPLATE_ARGUMENT_OPS:
            return None
    return None


def template_brackets(tokens):
    """Indices of the tokens that are angle brackets of templates."""
    found = set()
    for i, t in enumerate(tokens):
        if t.text == "<" and i > 0 and i not in found and tokens[i - 1].kind == "id":
            run = _template_bracket_run(tokens, i)
            if run:
                found.update(run)
    return found


def _integer_neighbours(text):
    """The literal one more and (unless it is zero) one less, in the same
    base and with the same suffix; None for anything but an integer."""
    m = _INTEGER.fullmatch(text)
    if not m:
        return []
    digits, suffix = m.group(1).replace("'", ""), m.group(2) or ""
    prefix = digits[:2].lower()
    if prefix == "0x":
        base, body = 16, digits[2:]
    elif prefix == "0b":
        base, body = 2, digits[2:]
    elif len(digits) > 1 and digits[0] == "0":
        base, body = 8, digits[1:]
    else:
        base, body = 10, digits
    if base != 16 and suffix[:1] in ("e", "E"):
        return []  # a floating-point exponent
    value = int(body, base)

    def spelled(v):
        if base == 16:
            s = format(v, "X" if any(ch.isupper() for ch in body) else "x").zfill(len(body))
            return digits[:2] + s + suffix
        if base == 2:
            return digits[:2] + format(v, "b").zfill(len(body)) + suffix
        if base == 8:
            return "0" + format(v, "o") + suffix
        return str(v) + suffix

    return [spelled(value + 1)] + ([spelled(value - 1)] if value > 0 else [])


def find_faults(path, text, kinds=tuple(KINDS)):
    """Every fault of the given kinds that can be planted in the source text,
    in the order they appear."""
    tokens = tokenize(text)
    brackets = template_brackets(tokens)
    faults = []
    for i, t in enumerate(tokens):
        if i > 0 and tokens[i - 1].text == "operator":
            continue  # the name of an overloaded operator
        replacements = []
        if t.kind == "num" and "constant" in kinds:
            replacements = [(r, "constant") for r in _integer_neighbours(t.text)]
        elif t.kind in ("op", "id"):
            if t.text in _COMPARISONS and i in brackets:
                continue
            replacements = [(KINDS[k][t.text], k) for k in kinds if t.text in KINDS[k]]
        for after, kind in replacements:
            faults.append(Fault(path, t.line, t.col, t.start, t.text, after, kind))
    return faults
