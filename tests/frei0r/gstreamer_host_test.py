"""GStreamer runs the frei0r plug-in as frei0r-filter-talvenor through gst-launch-1.0.

Its string properties are set at the start, the only time GStreamer 1.22's frei0r
wrapper passes them correctly. Every frame must be a rearrangement of its input
frame and, outside Random, equal the host effect module's render byte for byte.

Usage: gstreamer_host_test.py GST_LAUNCH FFMPEG TALVENOR PLUGIN WORK_FOLDER
"""
import os
import sys

from ffmpeg_host_test import check_frames
from host_frames import HEIGHT, WIDTH, HostEffect, decode_frames, gstreamer_render, make_clip

# Mode, Orientation, Comparator, Threshold: names, numbers and letter cases mixed.
CASES = [("Highlights", "Column", "Average", 45), ("shadows", "Row", "xor", 200),
         ("All pixels", "Both", "Min", 0), ("1", "2", "2", 90), ("Random", "Row", "Max", 120)]


def properties(mode, orientation, comparator, threshold):
    return {"mode": f'"{mode}"', "orientation": orientation, "comparator": comparator, "threshold": threshold / 255}


def main(gst_launch, ffmpeg, talvenor, plugin, folder):
    os.environ["FREI0R_PATH"] = os.path.dirname(plugin)
    # A registry of its own, so GStreamer scans this plug-in folder afresh.
    os.environ["GST_REGISTRY"] = os.path.join(folder, "registry.bin")
    os.makedirs(folder, exist_ok=True)
    clip = os.path.join(folder, "clip.nut")
    make_clip(ffmpeg, clip)
    inputs = decode_frames(ffmpeg, clip, WIDTH, HEIGHT)
    host = HostEffect(talvenor, ffmpeg, folder)
    for case in CASES:
        outputs = gstreamer_render(gst_launch, inputs, WIDTH, HEIGHT, properties(*case), folder)
        check_frames(inputs, outputs, case, host, "gst-launch-1.0 " + " ".join(map(str, case)))
    print(f"{len(CASES)} settings, {len(inputs)} frames each: all rearranged as the host effect renders")


if __name__ == "__main__":
    main(*sys.argv[1:])
