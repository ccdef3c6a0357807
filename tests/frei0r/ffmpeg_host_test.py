"""FFmpeg runs the frei0r plug-in on a still and on a generated clip with audio.

Checks that the frame count and the audio stream are kept, that every frame is a
rearrangement of its input frame, and that in every Mode but Random each frame is
byte for byte what the host effect module renders from the same pixels.

Usage: ffmpeg_host_test.py FFMPEG FFPROBE TALVENOR PLUGIN WORK_FOLDER
"""
import os
import sys

from host_frames import FRAMES, HEIGHT, WIDTH, HostEffect, check_rearrangement, decode_frames, make_clip, run, \
    stream_types

# Mode, Orientation, Comparator, Threshold, as a user would type them.
CASES = [
    ("Simple Sort", "Row", "Average", 45),
    ("Random", "Column", "Average", 45),
    ("Highlights", "Column", "Average", 45),
    ("shadows", "row", "multiply", 120),
    ("All pixels", "Both", "XOR", 0),
    ("3", "3", "3", 200),
]


def frei0r_filter(mode, orientation, comparator, threshold):
    return f"frei0r=talvenor:{mode}|{orientation}|{comparator}|{threshold / 255!r}"


def check_frames(inputs, outputs, case, host, where):
    assert len(outputs) == len(inputs), f"{where}: {len(outputs)} frames out of {len(inputs)}"
    mode, orientation, comparator, threshold = case
    settings = {"mode": mode, "orientation": orientation, "comparator": comparator, "threshold": threshold}
    for index, (before, after) in enumerate(zip(inputs, outputs)):
        check_rearrangement(before, after, f"{where} frame {index}")
        if mode.lower() != "random":
            assert after == host.render(before, WIDTH, HEIGHT, settings), \
                f"{where} frame {index}: differs from the host effect's render"


def main(ffmpeg, ffprobe, talvenor, plugin, folder):
    os.environ["FREI0R_PATH"] = os.path.dirname(plugin)
    os.makedirs(folder, exist_ok=True)
    clip, still = os.path.join(folder, "clip.nut"), os.path.join(folder, "still.png")
    make_clip(ffmpeg, clip)
    run([ffmpeg, "-v", "error", "-y", "-i", clip, "-frames:v", "1", still])
    clip_frames = decode_frames(ffmpeg, clip, WIDTH, HEIGHT)
    assert len(clip_frames) == FRAMES and stream_types(ffprobe, clip) == ["video", "audio"]
    host = HostEffect(talvenor, ffmpeg, folder)
    for case in CASES:
        where = " ".join(map(str, case))
        sorted_clip, sorted_still = os.path.join(folder, "sorted.nut"), os.path.join(folder, "sorted.png")
        run([ffmpeg, "-v", "error", "-y", "-i", clip, "-vf", frei0r_filter(*case),
             "-c:v", "rawvideo", "-pix_fmt", "rgba", "-c:a", "copy", sorted_clip])
        assert stream_types(ffprobe, sorted_clip) == ["video", "audio"], f"{where}: the audio stream was lost"
        check_frames(clip_frames, decode_frames(ffmpeg, sorted_clip, WIDTH, HEIGHT), case, host, f"clip {where}")
        run([ffmpeg, "-v", "error", "-y", "-i", still, "-vf", frei0r_filter(*case), sorted_still])
        check_frames(clip_frames[:1], decode_frames(ffmpeg, sorted_still, WIDTH, HEIGHT), case, host,
                     f"still {where}")
    print(f"{len(CASES)} settings, {FRAMES} frames each and a still: all rearranged as the host effect renders")


if __name__ == "__main__":
    main(*sys.argv[1:])
