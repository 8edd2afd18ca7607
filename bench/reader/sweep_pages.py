#!/usr/bin/env python3
"""Reads HTML file names from standard input and runs codelume-cli's dump,
render and print over each, with a time limit per command. Reports crashes,
hangs and failures, the pages whose text or title still show a character
reference as typed, the anchors found per page and the median and longest times.

    sweep_pages.py CLI [--jobs N] [--timeout SECONDS] [--dump-only] [--list FILE] < FILES

--dump-only skips render and print (enough to count references and anchors);
--list writes one tab-separated line per page for comparing two builds.
"""
import argparse
import re
import statistics
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

REFERENCE = re.compile(rb"&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);")
TITLE = re.compile(rb'^title "(.*)"$', re.M)
LINE = re.compile(rb'^  line \d+ .*? chars=\d+ "(.*)"$', re.M)
ANCHOR = re.compile(rb"^anchor ", re.M)


def run(command, timeout):
    """The outcome of one command: ok, failed, crashed or hung; seconds; output."""
    start = time.monotonic()
    try:
        done = subprocess.run(command, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return "hung", timeout, b""
    seconds = time.monotonic() - start
    if done.returncode < 0:
        return "crashed", seconds, done.stderr
    return ("ok" if done.returncode == 0 else "failed"), seconds, done.stdout


SKIPPED = ("ok", 0.0, b"")


def sweep_page(cli, page, timeout, folder, dump_only):
    dump = run([cli, "dump", page], timeout)
    stem = str(Path(folder) / str(abs(hash(page))))
    render = SKIPPED if dump_only else run([cli, "render", page, "-o", stem + ".png"], timeout)
    printed = SKIPPED if dump_only else run(
        [cli, "print", page, "-o", stem + ".pdf", "--dpi", "150"], timeout)
    for suffix in (".png", ".pdf"):
        Path(stem + suffix).unlink(missing_ok=True)
    text = dump[2]
    title = TITLE.search(text)
    lines = b"\n".join(LINE.findall(text))
    return {
        "page": page,
        "outcomes": (dump[0], render[0], printed[0]),
        "times": (dump[1], render[1], printed[1]),
        "text_refs": bool(REFERENCE.search(lines)),
        "title_refs": bool(title and REFERENCE.search(title.group(1))),
        "anchors": len(ANCHOR.findall(text)),
    }


def report(results):
    names = ("dump", "render", "print")
    print(f"{len(results)} pages")
    for index, name in enumerate(names):
        outcomes = [r["outcomes"][index] for r in results]
        counts = {o: outcomes.count(o) for o in ("ok", "failed", "crashed", "hung")}
        times = [r["times"][index] for r in results]
        print(f"{name}: " + ", ".join(f"{n} {o}" for o, n in counts.items()) +
              f"; median {statistics.median(times):.3f} s, max {max(times):.3f} s")
    print(f"literal references in the text: {sum(r['text_refs'] for r in results)} pages")
    print(f"literal references in the title: {sum(r['title_refs'] for r in results)} pages")
    anchors = [r["anchors"] for r in results]
    with_anchors = [a for a in anchors if a]
    print(f"anchors: {sum(anchors)} in all, median {statistics.median(anchors)} a page, "
          f"{len(with_anchors)} pages with any")
    for r in results:
        if any(o in ("crashed", "hung") for o in r["outcomes"]):
            print("  " + " ".join(r["outcomes"]) + " " + r["page"])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=float, default=60)
    parser.add_argument("--dump-only", action="store_true")
    parser.add_argument("--list")
    arguments = parser.parse_args()
    pages = sys.stdin.read().splitlines()
    with tempfile.TemporaryDirectory() as folder, ThreadPoolExecutor(arguments.jobs) as pool:
        results = list(pool.map(
            lambda page: sweep_page(arguments.cli, page, arguments.timeout, folder,
                                    arguments.dump_only), pages))
    if arguments.list:
        with open(arguments.list, "w") as listing:
            for r in results:
                listing.write("\t".join([r["page"], *r["outcomes"],
                                         *(f"{t:.3f}" for t in r["times"]),
                                         str(int(r["text_refs"])), str(int(r["title_refs"])),
                                         str(r["anchors"])]) + "\n")
    report(results)


if __name__ == "__main__":
    main()
