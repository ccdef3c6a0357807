"""Runs the Windows talvenor.exe under Wine, with the Talvenor.aex beside it,
and the Linux talvenor side by side, and fails on any difference that matters.

  text COMMAND   about or params: the same text, line endings aside
  renders MODE   every Orientation, Comparator and Threshold (0, 45, 255) of one
                 Mode rendered from the same picture on both, each pair checked
                 by render_check; --byte-identical also demands equal bytes

One run covers a whole Mode, so the Wine server stays up between its renders.
Prints each failure and a summary line; exits 1 on any failure.
"""
import argparse
import itertools
import os
import subprocess
import sys
import tempfile

from png_rgba import read_png
from render_check import render_problems

ORIENTATIONS = ["Column", "Row", "Both"]
COMPARATORS = ["Average", "Multiply", "Min", "Max", "XOR"]
THRESHOLDS = [0, 45, 255]
LINE_MODES = ["Highlights", "Shadows", "All pixels"]
# The whole-frame modes ignore the other three settings; a few are enough.
WHOLE_FRAME_SETTINGS = {
    "Simple Sort": [("Column", "Average", 45), ("Row", "Min", 0), ("Both", "XOR", 255)],
    "Random": [("Column", "Average", 45), ("Both", "Max", 255)],
}


def read_text(file):
    file.seek(0)
    return file.read().decode("utf-8", errors="replace")


class Talvenors:
    """How to start each of the two talvenors; Windows sees Unix paths under Z:."""

    def __init__(self, arguments):
        self.native = [arguments.native]
        self.windows = [arguments.wine, arguments.windows_exe]

    def run(self, platform, arguments):
        """Returns (stdout, failure text or None)."""
        command = self.native if platform == "Linux" else self.windows
        if platform == "Windows":
            arguments = ["Z:" + a if a.startswith("/") else a for a in arguments]
        # Files, not pipes: a Wine server started by this call would hold a pipe
        # open, and reading it to the end would wait until that server exits.
        # CTest's timeout bounds the whole run.
        for _ in range(2):
            with tempfile.TemporaryFile() as stdout, tempfile.TemporaryFile() as stderr:
                status = subprocess.run(command + arguments, stdout=stdout, stderr=stderr).returncode
                output, errors = (read_text(file) for file in (stdout, stderr))
            # talvenor says why it fails on a line of its own. A Windows run that
            # fails without one lost Wine under it (such as a Wine server that shuts
            # down just as the program connects, a race of Wine's own on a busy
            # machine), so it runs once more.
            if platform == "Linux" or status == 0 or "talvenor:" in errors:
                break
        if status != 0:
            return output, f"{platform} talvenor {' '.join(arguments)} exited {status}: {errors.strip()}"
        return output, None


def check_text(talvenors, command):
    native, native_failure = talvenors.run("Linux", [command])
    windows, windows_failure = talvenors.run("Windows", [command])
    failures = [failure for failure in (native_failure, windows_failure) if failure]
    windows = windows.replace("\r\n", "\n")
    if not failures and not native.strip():
        failures.append(f"Linux talvenor {command} printed nothing")
    if not failures and windows != native:
        failures.append(f"{command} differs:\n--- Windows\n{windows}--- Linux\n{native}")
    return failures


def settings_of(mode):
    if mode in LINE_MODES:
        return list(itertools.product(ORIENTATIONS, COMPARATORS, THRESHOLDS))
    return WHOLE_FRAME_SETTINGS[mode]


def render_both(talvenors, picture, folder, mode, setting):
    """Renders one setting on both platforms: (native image, windows image, failures)."""
    orientation, comparator, threshold = setting
    options = ["--mode", mode, "--orientation", orientation, "--comparator", comparator,
               "--threshold", str(threshold)]
    stem = os.path.join(folder, f"{orientation}-{comparator}-{threshold}")
    images, failures = {}, []
    for platform in ("Linux", "Windows"):
        output = f"{stem}.{platform.lower()}.png"
        _, failure = talvenors.run(platform, ["render", picture, output] + options)
        if failure:
            failures.append(failure)
        else:
            images[platform] = read_png(output)
    return images.get("Linux"), images.get("Windows"), failures


def check_renders(talvenors, picture, work, mode, byte_identical):
    folder = os.path.join(work, mode.replace(" ", "_"))
    os.makedirs(folder, exist_ok=True)
    source = read_png(picture)
    failures, identical = [], 0
    settings = settings_of(mode)
    for setting in settings:
        native, windows, problems = render_both(talvenors, picture, folder, mode, setting)
        if not problems:
            problems = render_problems(mode, setting[1], source, native, windows, byte_identical)
            identical += windows.rgba == native.rgba
        label = f"{mode}, {setting[0]}, {setting[1]}, threshold {setting[2]}"
        failures += [f"{label}: {problem}" for problem in problems]
    print(f"{mode}: {len(settings)} renders, {identical} byte-identical on Windows and Linux")
    return failures


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native", required=True, help="the Linux talvenor")
    parser.add_argument("--windows-exe", required=True, help="talvenor.exe, with Talvenor.aex beside it")
    parser.add_argument("--wine", required=True)
    commands = parser.add_subparsers(dest="command", required=True)
    text = commands.add_parser("text")
    text.add_argument("name", choices=["about", "params"])
    renders = commands.add_parser("renders")
    renders.add_argument("mode", choices=LINE_MODES + list(WHOLE_FRAME_SETTINGS))
    renders.add_argument("--picture", required=True)
    renders.add_argument("--work", required=True, help="folder for the rendered files")
    renders.add_argument("--byte-identical", action="store_true")
    return parser.parse_args()


def main():
    arguments = parse_arguments()
    talvenors = Talvenors(arguments)
    if arguments.command == "text":
        failures = check_text(talvenors, arguments.name)
    else:
        failures = check_renders(talvenors, os.path.abspath(arguments.picture), os.path.abspath(arguments.work),
                                 arguments.mode, arguments.byte_identical)
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
