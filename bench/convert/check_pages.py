#!/usr/bin/env python3
"""Converts real Pascal files with codelume-cli and checks each page's text.

The text of a page (tags removed, the four references decoded) must be the
source with each line break between tokens as CR LF, each whitespace byte
between tokens as one space, trailing whitespace of lines dropped, comments
as they stand and string literals re-encoded. The expected text is computed
here with regular expressions, independently of the converter.

    check_pages.py CLI FILE...
"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

TOKEN = re.compile(rb"""
    \{[^}]*\}?                           # brace comment, maybe open at the end
  | \(\*.*?(?:\*\)|\Z)                  # parenthesis comment
  | //[^\r\n]*                           # double-slash comment
  | (?:'(?:[^'\r\n\0]|'')*'|\#[0-9]*)+   # string literal: quoted runs and codes
  | [A-Za-z_][A-Za-z0-9_]*
  | \$[0-9A-Fa-f]*
  | [-0-9][0-9]*(?:[-+.0-9Ee]*)
  | [\x21-\xff]
""", re.VERBOSE | re.DOTALL)


def decode_string(literal):
    out = bytearray()
    for part in re.finditer(rb"'((?:[^']|'')*)'|#([0-9]*)", literal):
        if part.group(1) is not None:
            out += part.group(1).replace(b"''", b"'")
        else:
            out.append(int(part.group(2) or b"0") & 0xFF)
    return bytes(out)


def encode_string(text):
    if not text:
        return b"''"
    out, quoted = bytearray(), False
    for byte in text:
        if byte < 32:
            if quoted:
                out += b"'"
            out += b"#%d" % byte
            quoted = False
        else:
            if not quoted:
                out += b"'"
            out += b"''" if byte == 39 else bytes([byte])
            quoted = True
    if quoted:
        out += b"'"
    return bytes(out)


def layout(gap):
    """What a run of whitespace between two tokens becomes."""
    if b"\n" not in gap:
        return b" " * len(gap)
    return b"\r\n" * gap.count(b"\n") + b" " * len(gap.rsplit(b"\n", 1)[1])


def expected_text(source):
    out, position = bytearray(), 0
    while True:
        gap_end = position
        while gap_end < len(source) and 1 <= source[gap_end] <= 32:
            gap_end += 1
        if gap_end == len(source):
            return bytes(out)
        token = TOKEN.match(source, gap_end)
        out += layout(source[position:gap_end])
        text = token.group(0)
        out += encode_string(decode_string(text)) if text[:1] in (b"'", b"#") else text
        position = token.end()


def page_text(page):
    block = page.split(b"<PRE>\r\n", 1)[1].rsplit(b"</PRE>", 1)[0]
    block = re.sub(rb"<[^>]*>", b"", block)
    for reference, byte in ((b"&lt;", b"<"), (b"&gt;", b">"), (b"&quot;", b'"'), (b"&amp;", b"&")):
        block = block.replace(reference, byte)
    return block


def main():
    cli, files = sys.argv[1], sys.argv[2:]
    counts = {"same": 0, "different": 0, "refused": 0}
    with tempfile.TemporaryDirectory() as folder:
        for number, name in enumerate(files):
            page = Path(folder) / f"{number}.htm"
            run = subprocess.run([cli, "convert", "--force", "-o", str(page), name], capture_output=True)
            if run.returncode != 0:
                counts["refused"] += 1
                print(f"refused {name}: {run.stderr.decode(errors='replace').strip()}")
                continue
            source = Path(name).read_bytes()
            if page_text(page.read_bytes()) == expected_text(source):
                counts["same"] += 1
            else:
                counts["different"] += 1
                print(f"different: {name}")
    print(", ".join(f"{n} {k}" for k, n in counts.items()))
    return 1 if counts["different"] else 0


if __name__ == "__main__":
    sys.exit(main())
