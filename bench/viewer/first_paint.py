#!/usr/bin/env python3
"""Times the desktop program, as a person meets it, to the first painted screen
of a converted page, on a virtual display (needs Xvfb and xdotool).

Each round starts `codelume SOURCE` with CODELUME_PAINT_TIMES set, so that the
viewer reports on standard error when it has painted a loaded page, and reads
the time on the same monotonic clock:
  - start to window: until the main window is mapped;
  - start to page: until the page's first screen is painted, the conversion
    being asked for (Ctrl+Return) as soon as the window is there;
  - Preview to page: from pressing F5 on the shown page to its repaint;
  - load to paint: the viewer's own figure for the Preview's load.
Prints the median of each; prints a note and nothing else when a tool is
missing. Never fails.

    first_paint.py CODELUME SOURCE [ROUNDS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PAINTED = "codelume: painted "
TIMEOUT = 120


def start_display():
    """Starts Xvfb on a free display; returns the process and the display name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return xvfb, ":" + pipe.readline().strip()


def next_paint(app):
    """The monotonic time and the load-to-paint milliseconds of the next report."""
    for line in app.stderr:
        if line.startswith(PAINTED):
            words = line.split()
            return float(words[-2]), float(words[words.index("ms") - 1])
    raise RuntimeError("the program ended before painting the page")


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True, timeout=TIMEOUT).stdout


def one_round(codelume, source, work, environment):
    """Returns (start to window, start to page, Preview to page, load to paint) in ms."""
    folder = Path(tempfile.mkdtemp(dir=work))
    copy = folder / Path(source).name
    shutil.copyfile(source, copy)
    started = time.monotonic()
    app = subprocess.Popen([codelume, str(copy)], env=environment, stdout=subprocess.DEVNULL,
                           stderr=subprocess.PIPE, text=True)
    try:
        window = xdotool("search", "--sync", "--name", "^Codelume$").split()[0]
        shown = time.monotonic()
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "--window", window, "ctrl+Return")
        converted, _ = next_paint(app)
        pressed = time.monotonic()
        xdotool("key", "--window", window, "F5")
        previewed, load_to_paint = next_paint(app)
        return ((shown - started) * 1000, (converted - started) * 1000,
                (previewed - pressed) * 1000, load_to_paint)
    finally:
        app.kill()
        app.wait()


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return
    codelume, source = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    missing = [tool for tool in ("Xvfb", "xdotool") if not shutil.which(tool)]
    if missing:
        print("first paint: needs " + " and ".join(missing))
        return
    with tempfile.TemporaryDirectory() as work:
        xvfb, display = start_display()
        try:
            os.environ["DISPLAY"] = display  # for xdotool too
            os.environ.pop("QT_QPA_PLATFORM", None)
            environment = dict(os.environ, CODELUME_PAINT_TIMES="1")
            one_round(codelume, source, work, environment)  # warms the file cache
            figures = [one_round(codelume, source, work, environment) for _ in range(rounds)]
        except (RuntimeError, subprocess.SubprocessError, IndexError) as error:
            print("first paint: did not finish:", error)
            return
        finally:
            xvfb.kill()
            xvfb.wait()
    names = ["start to window", "start to page (Ctrl+Return)", "Preview (F5) to page",
             "  of it, load to paint"]
    print(f"first paint of {Path(source).name} under Xvfb (median of {rounds} rounds)")
    for index, name in enumerate(names):
        print(f"  {name:30} {statistics.median(f[index] for f in figures):8.0f} ms")


if __name__ == "__main__":
    main()
