"""Frames in and out of the real hosts, for the frei0r plug-in's host tests.

Frames travel as raw RGBA bytes, the layout the plug-in itself sees. FFmpeg turns
files into such frames and back; talvenor renders a frame through the host effect
module, the reference the plug-in must match byte for byte.
"""
import os
import subprocess

import numpy

WIDTH, HEIGHT, FRAMES, RATE = 96, 64, 8, 8
# Colour and alpha vary with place and frame, with many equal keys among them.
PICTURE = (f"nullsrc=s={WIDTH}x{HEIGHT}:r={RATE}:d={FRAMES / RATE},format=rgba,"
           "geq=r='mod(X*X+Y*7+N*31,256)':g='mod(Y*Y+X*3+N*17,256)':b='mod(X*Y+N*5,256)':a='mod(X*5+Y*11,256)'")


def run(command, **kwargs):
    """Runs a command, failing with its error output when it fails."""
    result = subprocess.run(command, capture_output=True, **kwargs)
    if result.returncode != 0:
        raise AssertionError(f"{command[0]} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
    return result.stdout


def make_clip(ffmpeg, path):
    """A clip of FRAMES generated frames, stored losslessly as RGBA, with a sound track."""
    run([ffmpeg, "-v", "error", "-y", "-f", "lavfi", "-i", PICTURE, "-f", "lavfi", "-i", f"sine=duration={FRAMES / RATE}",
         "-c:v", "rawvideo", "-pix_fmt", "rgba", "-c:a", "pcm_s16le", path])


def decode_frames(ffmpeg, path, width, height):
    """Every video frame of a file as RGBA bytes."""
    raw = run([ffmpeg, "-v", "error", "-i", path, "-map", "0:v", "-f", "rawvideo", "-pix_fmt", "rgba", "-"])
    size = width * height * 4
    assert len(raw) % size == 0, f"{path}: {len(raw)} bytes is no whole number of {width} x {height} frames"
    return [raw[i:i + size] for i in range(0, len(raw), size)]


def stream_types(ffprobe, path):
    """The codec types of a file's streams, in order: ['video', 'audio'], say."""
    out = run([ffprobe, "-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", path])
    return out.decode().split()


def check_rearrangement(before, after, where):
    """Every output pixel is an input pixel, all four bytes, each input pixel used once."""
    pixels_before = numpy.sort(numpy.frombuffer(before, dtype=numpy.uint32))
    pixels_after = numpy.sort(numpy.frombuffer(after, dtype=numpy.uint32))
    assert numpy.array_equal(pixels_before, pixels_after), f"{where}: the output is not a rearrangement of the input"


class HostEffect:
    """talvenor rendering single RGBA frames through the host effect module."""

    def __init__(self, talvenor, ffmpeg, folder):
        self.talvenor, self.ffmpeg, self.folder = talvenor, ffmpeg, folder

    def render(self, frame, width, height, settings):
        """The host effect's render of the frame; settings are talvenor's options."""
        source = os.path.join(self.folder, "reference_in.png")
        target = os.path.join(self.folder, "reference_out.png")
        run([self.ffmpeg, "-v", "error", "-y", "-f", "rawvideo", "-pix_fmt", "rgba", "-s", f"{width}x{height}",
             "-i", "-", "-frames:v", "1", source], input=frame)
        options = [part for name, value in settings.items() for part in (f"--{name}", str(value))]
        run([self.talvenor, "render", source, target] + options)
        return decode_frames(self.ffmpeg, target, width, height)[0]


def gstreamer_render(gst_launch, frames, width, height, properties, folder):
    """The frames run through frei0r-filter-talvenor by gst-launch-1.0, with the
    element's properties set at the start (as strings must be), as RGBA bytes."""
    source, target = os.path.join(folder, "gst_in.rgba"), os.path.join(folder, "gst_out.rgba")
    with open(source, "wb") as file:
        file.write(b"".join(frames))
    element = ["frei0r-filter-talvenor"] + [f"{name}={value}" for name, value in properties.items()]
    run([gst_launch, "-q", "filesrc", f"location={source}", "blocksize=%d" % (width * height * 4), "!",
         "rawvideoparse", "format=rgba", f"width={width}", f"height={height}", "framerate=8/1", "!"] + element +
        ["!", "filesink", f"location={target}"])
    with open(target, "rb") as file:
        raw = file.read()
    size = width * height * 4
    assert len(raw) % size == 0, f"gst-launch-1.0 wrote {len(raw)} bytes, no whole number of frames"
    return [raw[i:i + size] for i in range(0, len(raw), size)]
