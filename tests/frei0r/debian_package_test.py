"""The Debian package: built by cpack, holding exactly the files it should,
lintian clean of errors, and, unpacked into a throwaway root with dpkg -x, run
from there by talvenor and by GStreamer, each frame a rearrangement of its input
and, outside Random, equal to the host effect module's render (the build tree's
talvenor) of the same input; and its OpenFX bundle, unpacked, loaded and rendered
by our OpenFX test host. GStreamer runs it as frei0r-filter-talvenor in
several settings, its string properties set at the start: the only time GStreamer
1.22's frei0r wrapper passes them correctly. (FFmpeg and melt run the same
plug-in file in their own tests; FFmpeg here only makes and decodes the clip.)

Usage: debian_package_test.py CPACK BUILD_FOLDER FFMPEG GST_LAUNCH TALVENOR OFX_TEST_HOST WORK_FOLDER
"""
import glob
import os
import shutil
import subprocess
import sys

from ffmpeg_host_test import check_frames
from host_frames import HEIGHT, WIDTH, HostEffect, decode_frames, gstreamer_render, make_clip, run

OFX_BINARY = "./usr/OFX/Plugins/Talvenor.ofx.bundle/Contents/Linux-x86-64/Talvenor.ofx"
FILES = {
    "./usr/bin/talvenor", "./usr/lib/talvenor/talvenor", "./usr/lib/talvenor/Talvenor.so",
    "./usr/lib/frei0r-1/talvenor.so", "./usr/share/kdenlive/effects/frei0r_talvenor.xml",
    "./usr/share/shotcut/qml/filters/talvenor/meta.qml", "./usr/share/shotcut/qml/filters/talvenor/ui.qml",
    "./usr/share/doc/talvenor/copyright", "./usr/share/doc/talvenor/changelog.gz",
    OFX_BINARY, "./usr/OFX/Plugins/Talvenor.ofx.bundle/Contents/Resources/net.talvenor.Talvenor.png",
}
# Mode, Orientation, Comparator, Threshold for GStreamer: names, numbers and letter cases mixed.
GSTREAMER_CASES = [("Shadows", "Row", "Multiply", 120), ("Highlights", "Column", "Average", 45), ("shadows", "Row", "xor", 200),
                   ("All pixels", "Both", "Min", 0), ("1", "2", "2", 90), ("Random", "Row", "Max", 120)]


def build_package(cpack, build, folder):
    run([cpack, "-G", "DEB", "-B", folder], cwd=build)
    packages = glob.glob(os.path.join(folder, "talvenor_*_amd64.deb"))
    assert len(packages) == 1, f"cpack made {os.listdir(folder)}"
    return packages[0]


def check_contents(package):
    listing = run(["dpkg-deb", "--contents", package]).decode().splitlines()
    files = {line.split()[5] for line in listing if not line.startswith("d")}
    assert files == FILES, f"the package holds {sorted(files ^ FILES)} apart from what it should"
    result = subprocess.run(["lintian", "--no-tag-display-limit", package], capture_output=True, text=True)
    errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
    assert not errors and result.returncode in (0, 2), f"lintian: {result.stdout}{result.stderr}"


def check_hosts(root, ffmpeg, gst_launch, talvenor, folder):
    about = run([os.path.join(root, "usr", "bin", "talvenor"), "about"]).decode()
    assert "Talvenor" in about, f"the unpacked talvenor says {about!r}"
    os.environ["FREI0R_PATH"] = os.path.join(root, "usr", "lib", "frei0r-1")
    os.environ["GST_REGISTRY"] = os.path.join(folder, "registry.bin")
    clip = os.path.join(folder, "clip.nut")
    make_clip(ffmpeg, clip)
    inputs = decode_frames(ffmpeg, clip, WIDTH, HEIGHT)
    host = HostEffect(talvenor, ffmpeg, folder)
    for case in GSTREAMER_CASES:
        mode, orientation, comparator, threshold = case
        frames = gstreamer_render(gst_launch, inputs, WIDTH, HEIGHT, {
            "mode": f'"{mode}"', "orientation": orientation, "comparator": comparator, "threshold": threshold / 255},
            folder)
        check_frames(inputs, frames, case, host, "GStreamer from the unpacked package, " + " ".join(map(str, case)))
    return [f"GStreamer in {len(GSTREAMER_CASES)} settings"]


def main(cpack, build, ffmpeg, gst_launch, talvenor, ofx_test_host, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    package = build_package(cpack, build, folder)
    check_contents(package)
    root = os.path.join(folder, "root")
    run(["dpkg", "-x", package, root])
    hosts = check_hosts(root, ffmpeg, gst_launch, talvenor, folder)
    run([ofx_test_host, os.path.join(root, OFX_BINARY)])
    hosts.append("the OpenFX test host")
    print(f"{os.path.basename(package)}: {len(FILES)} files, {os.path.getsize(package)} bytes, lintian without "
          f"errors; run unpacked by talvenor, " + ", ".join(hosts))


if __name__ == "__main__":
    main(*sys.argv[1:])
