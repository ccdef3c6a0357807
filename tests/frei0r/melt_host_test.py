"""melt runs the frei0r plug-in on a clip, with Threshold animated by MLT keyframes.

MLT renders frames on two threads, so one instance of the plug-in is updated from
both at once. Every frame must be a rearrangement of its input frame and equal the
host effect module's render at the keyframed Threshold of that frame.

Usage: melt_host_test.py MELT FFMPEG TALVENOR PLUGIN WORK_FOLDER
"""
import os
import sys

from host_frames import FRAMES, HEIGHT, RATE, WIDTH, HostEffect, check_rearrangement, decode_frames, make_clip, run

PROFILE = f"""description=frei0r host test
frame_rate_num={RATE}
frame_rate_den=1
width={WIDTH}
height={HEIGHT}
progressive=1
sample_aspect_num=1
sample_aspect_den=1
display_aspect_num={WIDTH}
display_aspect_den={HEIGHT}
colorspace=709
"""


def main(melt, ffmpeg, talvenor, plugin, folder):
    os.environ["FREI0R_PATH"] = os.path.dirname(plugin)
    os.makedirs(folder, exist_ok=True)
    clip, sorted_clip, profile = (os.path.join(folder, name) for name in ("clip.nut", "sorted.nut", "profile"))
    with open(profile, "w") as file:
        file.write(PROFILE)
    make_clip(ffmpeg, clip)
    # Threshold runs from 0 on the first frame to 1 on the last.
    run([melt, "-silent", "-profile", profile, clip,
         "-filter", "frei0r.talvenor", "Mode=highlights", "Orientation=Both", "Comparator=Min",
         f"Threshold=0=0;{FRAMES - 1}=1",
         "-consumer", f"avformat:{sorted_clip}", "vcodec=rawvideo", "pix_fmt=rgba", "an=1", "real_time=-2"])
    inputs, outputs = decode_frames(ffmpeg, clip, WIDTH, HEIGHT), decode_frames(ffmpeg, sorted_clip, WIDTH, HEIGHT)
    assert len(outputs) == len(inputs) == FRAMES, f"{len(outputs)} frames out of {len(inputs)}"
    host = HostEffect(talvenor, ffmpeg, folder)
    for index, (before, after) in enumerate(zip(inputs, outputs)):
        check_rearrangement(before, after, f"frame {index}")
        threshold = round(255 * index / (FRAMES - 1))
        settings = {"mode": "highlights", "orientation": "both", "comparator": "min", "threshold": threshold}
        assert after == host.render(before, WIDTH, HEIGHT, settings), \
            f"frame {index}: differs from the host effect's render at Threshold {threshold}"
    print(f"{FRAMES} frames, Threshold keyframed from 0 to 255: all rearranged as the host effect renders")


if __name__ == "__main__":
    main(*sys.argv[1:])
