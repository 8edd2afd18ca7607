#!/usr/bin/env python3
"""Converts real Pascal files with codelume-cli and checks each page's text.

The text of a page is the part between <PRE> and </PRE>, tags removed and the
four references decoded. It must equal the source's own bytes with:
  - every line break (LF or CR LF, also inside a comment) written as CR LF;
  - tabs expanded to stops of 8 (a column is a character when the whole file
    is valid UTF-8, else a byte; a CR or LF in a comment starts a line);
  - white space at the end of a line outside comments dropped;
  - each other whitespace byte between tokens as one space.
Comments and string literals are found only to know where whitespace stands;
their bytes are expected as in the file but for tabs and line breaks. Pages of
valid UTF-8 sources must be valid UTF-8 themselves. A page that differs is
reported with the first line where it does.

    check_pages.py CLI FILE...     (or file names on standard input)
"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

PIECE = re.compile(rb"""
    (?P<comment> \{[^}]*\}? | \(\*.*?(?:\*\)|\Z) | //[^\r\n]* )
  | (?P<string> (?:'(?:[^'\r\n]|'')*'|\#(?:\$[0-9A-Fa-f]+|[0-9]*))+ )
  | (?P<space> [\x01-\x20]+ )
  | (?P<other> [^\x01-\x20{('#/]+ | . )
""", re.VERBOSE | re.DOTALL)


class Columns:
    """The column of the output line, for expanding tabs."""

    def __init__(self, utf8):
        self.utf8, self.column = utf8, 0

    def advance(self, text):
        if self.utf8:
            self.column += sum(1 for byte in text if byte & 0xC0 != 0x80)
        else:
            self.column += len(text)

    def tab(self):
        spaces = 8 - self.column % 8
        self.column += spaces
        return b" " * spaces

    def expand(self, text):
        """text with its tabs expanded; CR and LF start a new line."""
        out = bytearray()
        for part in re.split(rb"([\t\r\n])", text):
            if part == b"\t":
                out += self.tab()
            elif part in (b"\r", b"\n"):
                out += part
                self.column = 0
            else:
                out += part
                self.advance(part)
        return bytes(out)


def spacing(gap, columns):
    """What whitespace between two tokens becomes: CR LF for each line feed,
    then the last line's whitespace, one space a byte, tabs to their stop."""
    out = bytearray(b"\r\n" * gap.count(b"\n"))
    if b"\n" in gap:
        columns.column = 0
        gap = gap.rsplit(b"\n", 1)[1]
    for byte in gap:
        if byte == 9:
            out += columns.tab()
        else:
            out += b" "
            columns.column += 1
    return bytes(out)


def is_utf8(data):
    try:
        data.decode("utf-8")
        return True
    except UnicodeDecodeError:
        return False


def expected_text(source):
    columns, out, gap = Columns(is_utf8(source)), bytearray(), b""
    for piece in PIECE.finditer(source):
        if piece.lastgroup == "space":
            gap += piece.group()
            continue
        out += spacing(gap, columns)
        gap = b""
        if piece.lastgroup in ("comment", "string"):
            out += re.sub(rb"(?<!\r)\n", b"\r\n", columns.expand(piece.group()))
        else:
            out += piece.group()
            columns.advance(piece.group())
    return bytes(out)


def page_text(page):
    block = page.split(b"<PRE>\r\n", 1)[1].rsplit(b"</PRE>", 1)[0]
    block = re.sub(rb"<[^>]*>", b"", block)
    for reference, byte in ((b"&lt;", b"<"), (b"&gt;", b">"), (b"&quot;", b'"'), (b"&amp;", b"&")):
        block = block.replace(reference, byte)
    return block


def first_difference(page, expected):
    """The number and both versions of the first line that differs."""
    page_lines, expected_lines = page.split(b"\r\n"), expected.split(b"\r\n")
    for number, (got, wanted) in enumerate(zip(page_lines, expected_lines), 1):
        if got != wanted:
            return f"line {number}: page {got[:100]!r}, source {wanted[:100]!r}"
    return f"page has {len(page_lines)} lines, source {len(expected_lines)}"


def check(cli, name, page, counts):
    run = subprocess.run([cli, "convert", "--force", "-o", str(page), name], capture_output=True)
    if run.returncode != 0:
        counts["refused"] += 1
        print(f"refused {name}: {run.stderr.decode(errors='replace').strip()}")
        return
    source, written = Path(name).read_bytes(), page.read_bytes()
    text, expected = page_text(written), expected_text(source)
    if text != expected:
        counts["different"] += 1
        print(f"different: {name}: {first_difference(text, expected)}")
    elif is_utf8(source) and not is_utf8(written):
        counts["different"] += 1
        print(f"not UTF-8: {name}")
    else:
        counts["same"] += 1


def main():
    cli, files = sys.argv[1], sys.argv[2:] or sys.stdin.read().splitlines()
    counts = {"same": 0, "different": 0, "refused": 0}
    with tempfile.TemporaryDirectory() as folder:
        for name in files:
            check(cli, name, Path(folder) / "page.htm", counts)
            sys.stdout.flush()
    print(", ".join(f"{n} {k}" for k, n in counts.items()))
    return 1 if counts["different"] else 0


if __name__ == "__main__":
    sys.exit(main())
