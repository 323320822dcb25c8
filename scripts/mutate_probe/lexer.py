"""A small C++ tokenizer: just enough to tell operators, names and numbers
from comments, string and character literals and preprocessor lines, which
the probe must never touch."""

import re
from dataclasses import dataclass

# Longest first, so that "<<=" is never read as "<" "<=".
_PUNCTUATORS = sorted(
    """<<= >>= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len, reverse=True)

_IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z_0-9]*")
# A preprocessing number: digits with letters, dots, digit separators and
# signed exponents; whether it is an integer is decided later.
_NUMBER = re.compile(r"\.?[0-9](?:[eEpP][+-]|'[0-9A-Za-z_]|[0-9A-Za-z_.])*")
_STRING_PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}


@dataclass(frozen=True)
class Token:
    kind: str   # "id", "num" or "op"
    text: str
    start: int  # offset in the source text
    line: int   # 1-based
    col: int    # 1-based


class _Reader:
    def __init__(self, text):
        self.text = text
        self.pos = 0
        self.line = 1
        self.line_start = 0

    def advance_to(self, end):
        """Moves to offset end, counting the lines passed."""
        newlines = self.text.count("\n", self.pos, end)
        if newlines:
            self.line += newlines
            self.line_start = self.text.rfind("\n", self.pos, end) + 1
        self.pos = end

    def skip_quoted(self, quote):
        """Moves past a string or character literal whose opening quote is at pos."""
        i = self.pos + 1
        while i < len(self.text) and self.text[i] != quote and self.text[i] != "\n":
            i += 2 if self.text[i] == "\\" else 1
        self.advance_to(min(i + 1, len(self.text)))

    def skip_raw_string(self):
        """Moves past R"delim( ... )delim" whose quote is at pos."""
        open_paren = self.text.find("(", self.pos)
        delimiter = self.text[self.pos + 1:open_paren]
        close = self.text.find(")" + delimiter + '"', open_paren)
        end = len(self.text) if close < 0 else close + len(delimiter) + 2
        self.advance_to(end)

    def skip_directive(self):
        """Moves past a preprocessor line and its continuation lines."""
        i = self.pos
        while i < len(self.text):
            if self.text.startswith("/*", i):
                close = self.text.find("*/", i + 2)
                i = len(self.text) if close < 0 else close + 2
            elif self.text[i] == "\\" and self.text.startswith("\n", i + 1):
                i += 2
            elif self.text[i] == "\n":
                break
            else:
                i += 1
        self.advance_to(i)


def tokenize(text):
    """Returns the tokens of C++ source text outside comments, literals of
    strings and characters, and preprocessor lines."""
    r = _Reader(text)
    tokens = []
    line_has_token = False
    while r.pos < len(text):
        c = text[r.pos]
        if c == "\n":
            r.advance_to(r.pos + 1)
            line_has_token = False
            continue
        if c in " \t\r\f\v":
            r.pos += 1
            continue
        if c == "\\" and text.startswith("\n", r.pos + 1):
            r.advance_to(r.pos + 2)
            continue
        if text.startswith("//", r.pos):
            end = text.find("\n", r.pos)
            r.advance_to(len(text) if end < 0 else end)
            continue
        if text.startswith("/*", r.pos):
            end = text.find("*/", r.pos + 2)
            r.advance_to(len(text) if end < 0 else end + 2)
            continue
        if c == "#" and not line_has_token:
            r.skip_directive()
            continue
        line_has_token = True
        if c in "\"'":
            r.skip_quoted(c)
            continue
        start, line, col = r.pos, r.line, r.pos - r.line_start + 1
        m = _IDENTIFIER.match(text, r.pos)
        if m:
            word = m.group()
            after = m.end()
            if word in _STRING_PREFIXES and after < len(text) and text[after] in "\"'":
                r.pos = after
                if word.endswith("R") and text[after] == '"':
                    r.skip_raw_string()
                else:
                    r.skip_quoted(text[after])
                continue
            tokens.append(Token("id", word, start, line, col))
            r.pos = after
            continue
        m = _NUMBER.match(text, r.pos)
        if m:
            tokens.append(Token("num", m.group(), start, line, col))
            r.pos = m.end()
            continue
        op = next((p for p in _PUNCTUATORS if text.startswith(p, r.pos)), c)
        tokens.append(Token("op", op, start, line, col))
        r.pos += len(op)
    return tokens
