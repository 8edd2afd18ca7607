#!/usr/bin/env python3
"""Reads file names from standard input, converts each with codelume-cli,
dumps the page with fixed metrics and compares the preformatted lines with
the source's expected page text, split into lines as the reader splits them.

    roundtrip_pages.py CLI < FILES
"""
import codecs
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "convert"))
from check_pages import expected_text  # noqa: E402

LINE_END = re.compile(rb"\r\n|\n\r|\r|\n")
BLOCK = re.compile(rb"^block \d+ (\w+) ")
LINE = re.compile(rb'^  line \d+ .*? chars=\d+ "(.*)"$')
ESCAPE = re.compile(rb'\\(x[0-9A-F]{2}|.)')


def windows_1252(byte):
    """The character of a Windows-1252 byte; the unassigned five stay controls."""
    try:
        return bytes([byte]).decode("cp1252")
    except UnicodeDecodeError:
        return chr(byte)


def undeclared_fallback(error):
    bad = error.object[error.start:error.end]
    return "".join(windows_1252(b) for b in bad), error.end


codecs.register_error("windows-1252-fallback", undeclared_fallback)


def decoded(text):
    """The bytes of a page without a charset as the reader keeps them: UTF-8
    where they are valid, Windows-1252 elsewhere, in UTF-8."""
    return text.decode("utf-8", errors="windows-1252-fallback").encode("utf-8")


def expected_lines(text):
    """The block's lines: the empty line after the PRE tag, then the text's."""
    lines = [b" "]
    for line in LINE_END.split(decoded(text)):
        line = line.translate(None, b"\x00\x02\x04")
        lines.append(line or b" ")
    return lines


def unquote(text):
    def byte(match):
        escape = match.group(1)
        return bytes([int(escape[1:], 16)]) if len(escape) == 3 else escape
    return ESCAPE.sub(byte, text)


def dumped_pre_lines(dump):
    """The text of every preformatted block, its laid-out lines joined."""
    lines, in_pre = [], False
    for record in dump.split(b"\n"):
        block = BLOCK.match(record)
        if block:
            in_pre = block.group(1) == b"pre"
            if in_pre:
                lines.append(b"")
        elif in_pre and LINE.match(record):
            lines[-1] += unquote(LINE.match(record).group(1))
    return lines


def first_difference(got, want):
    for number, (a, b) in enumerate(zip(got, want)):
        if a != b:
            return f"line {number}: {a[:80]!r} instead of {b[:80]!r}"
    return f"{len(got)} lines instead of {len(want)}"


def check(cli, name, page):
    run = subprocess.run([cli, "convert", "--force", "-o", page, name], capture_output=True)
    if run.returncode != 0:
        return "refused", run.stderr.decode(errors="replace").strip()
    dump = subprocess.run([cli, "dump", "--fixed-metrics", page], capture_output=True, check=True).stdout
    got, want = dumped_pre_lines(dump), expected_lines(expected_text(Path(name).read_bytes()))
    return ("same", "") if got == want else ("different", first_difference(got, want))


def main():
    cli = sys.argv[1]
    counts = {"same": 0, "different": 0, "refused": 0}
    with tempfile.TemporaryDirectory() as folder:
        page = str(Path(folder) / "page.htm")
        for name in sys.stdin.read().splitlines():
            verdict, detail = check(cli, name, page)
            counts[verdict] += 1
            if verdict != "same":
                print(f"{verdict} {name}: {detail}")
    print(", ".join(f"{n} {k}" for k, n in counts.items()))
    return 1 if counts["different"] else 0


if __name__ == "__main__":
    sys.exit(main())
