"""Runs random_renders for both faces at two frame sizes, each in a fresh process,
and fails unless every run draws the same sequence of orders:

  --native PROGRAM HOST_MODULE FREI0R_MODULE    the Linux build
  --windows PROGRAM HOST_MODULE FREI0R_MODULE   the Windows build, under --wine

Each run's three renders must differ from one another (the sequence goes on from
render to render); the two faces must give the same renders (the same draws move
the same pixels, whatever byte order a face uses); and Windows must give exactly
Linux's. One size lies under 32,768 pixels, where each partner is one 15-bit
draw, the other above it, where draws are joined.
Prints each failure; exits 1 on any failure.
"""
import argparse
import subprocess
import sys
import tempfile

SIZES = [(181, 173), (257, 199)]


def run(command):
    # Files, not pipes: a Wine server started by this call would hold a pipe open.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        status = subprocess.run(command, stdout=out, stderr=err).returncode
        out.seek(0)
        err.seek(0)
        lines = out.read().decode().split()
        if status != 0:
            raise RuntimeError(f"{' '.join(command)} exited {status}: {err.read().decode().strip()}")
    return lines


def renders_of(build, launcher):
    program, host_module, frei0r_module = build
    results = {}
    for width, height in SIZES:
        for face, module in (("host", host_module), ("frei0r", frei0r_module)):
            path = "Z:" + module if launcher else module
            results[(face, width, height)] = run(launcher + [program, face, path, str(width), str(height)])
    return results


def problems_of(name, results):
    problems = []
    for (face, width, height), hashes in results.items():
        if len(hashes) != 3 or len(set(hashes)) != 3:
            problems.append(f"{name} {face} {width} x {height}: not three different renders: {hashes}")
    for width, height in SIZES:
        if results[("host", width, height)] != results[("frei0r", width, height)]:
            problems.append(f"{name} {width} x {height}: the host face and the frei0r face differ")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--native", nargs=3, required=True)
    parser.add_argument("--windows", nargs=3)
    parser.add_argument("--wine", default="wine")
    arguments = parser.parse_args()
    native = renders_of(arguments.native, [])
    problems = problems_of("Linux", native)
    if arguments.windows:
        windows = renders_of(arguments.windows, [arguments.wine])
        problems += problems_of("Windows", windows)
        problems += [f"Windows {face} {width} x {height}: {windows[key]}, Linux {native[key]}"
                     for key in native for face, width, height in [key] if windows[key] != native[key]]
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
