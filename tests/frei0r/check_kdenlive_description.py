"""The Kdenlive effect description, checked against the installed plug-in as melt sees it.

Installs the build into a temporary prefix, asks melt (FREI0R_PATH at the installed
lib/frei0r-1) for frei0r.talvenor's parameters, and checks that the installed
description names them in order with the same choices, defaults and range. Then
melt renders through the plug-in with the properties the description sets: its
defaults must render as the plug-in's own, and each parameter set to another
value it offers must change the frame, so every property name reaches the plug-in.
Last, the Threshold slider shows what renders for each of its 256 values, by the
rule Kdenlive 22.12 was seen to follow (see threshold_as_kdenlive_shows).

Usage: check_kdenlive_description.py CMAKE BUILD_FOLDER MELT PLUGIN
"""
import math
import os
import random
import re
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

import yaml

from host_frames import run

# What melt must report: title, type and default of each parameter, in order.
EXPECTED = [("Mode", "string", "Highlights"), ("Orientation", "string", "Column"),
            ("Comparator", "string", "Average"), ("Threshold", "float", 45 / 255)]
PROFILE, WIDTH, HEIGHT = "quarter_15", 320, 240  # a stock profile of square pixels


def query_melt(melt):
    """melt's description of frei0r.talvenor, checked against EXPECTED."""
    filter_info = yaml.safe_load(run([melt, "-query", "filter=frei0r.talvenor"]))
    assert filter_info and filter_info["title"] == "Talvenor", f"melt reports {filter_info}"
    parameters = filter_info["parameters"]
    found = [(p["title"], p["type"], p["default"]) for p in parameters]
    assert len(found) == len(EXPECTED), f"melt reports parameters {found}"
    for (title, kind, default), (want_title, want_kind, want_default) in zip(found, EXPECTED):
        assert (title, kind) == (want_title, want_kind), f"melt reports {title} ({kind})"
        if isinstance(want_default, str):
            assert default == want_default, f"melt reports {title} defaulting to {default}"
        else:
            assert math.isclose(default, want_default, abs_tol=1e-6), f"melt reports {title} defaulting to {default}"
    return filter_info


def melt_choices(parameter):
    """The choice names in a description such as '1 Simple Sort, 2 Random; give a choice ...'."""
    listed = parameter["description"].split("; ")[0].split(", ")
    return [match.group(1) for match in map(re.compile(r"\d+ (.+)").fullmatch, listed) if match]


def check_description(path, filter_info):
    """The description's properties, in order, after checking them against melt's report."""
    effect = ElementTree.parse(path).getroot()
    assert effect.tag == "effect" and effect.get("tag") == effect.get("id") == "frei0r.talvenor", effect.attrib
    shown = (effect.findtext("name"), effect.findtext("author"))
    assert shown == (filter_info["title"], filter_info["creator"]), f"name and author {shown}"
    assert effect.findtext("description").strip(), "the effect has no description"
    elements = effect.findall("parameter")
    assert len(elements) == len(filter_info["parameters"]), f"{len(elements)} parameters described"
    properties = []
    for element, parameter in zip(elements, filter_info["parameters"]):
        name, title = element.get("name"), parameter["title"]
        assert name in (title, str(parameter["identifier"])), f"{name} does not address melt's {title}"
        if parameter["type"] == "string":
            choices = melt_choices(parameter)
            assert element.get("type") == "list" and element.get("paramlist").split(";") == choices, \
                f"{title}: the list is not {choices}"
            assert element.findtext("paramlistdisplay").split(",") == choices, f"{title}: shown names differ"
            assert element.get("default") == parameter["default"], f"{title}: default {element.get('default')}"
            other = choices[-1]
        else:
            # The slider shows the value times factor; the default is the value itself.
            factor = float(element.get("factor"))
            values = [float(element.get("min")) / factor, float(element.get("max")) / factor, float(element.get("default"))]
            reported = [parameter["minimum"], parameter["maximum"], parameter["default"]]
            assert element.get("type") in ("animated", "constant") and all(
                math.isclose(a, b, abs_tol=1e-6) for a, b in zip(values, reported)), \
                f"{title}: slider range over factor and default {values} against melt's {reported}"
            other = values[1]
        properties.append((name, element.get("default"), str(other)))
    return properties


def render(melt, picture, output, settings):
    """One frame of the picture through the plug-in with the given properties, as RGBA bytes."""
    run([melt, "-silent", "-profile", PROFILE, f"pixbuf:{picture}", "out=0", "-filter", "frei0r.talvenor"]
        + [f"{name}={value}" for name, value in settings] + ["-consumer", f"avformat:{output}",
        "f=rawvideo", "vcodec=rawvideo", "pix_fmt=rgba", "an=1", "real_time=-2"])
    with open(output, "rb") as file:
        return file.read()


def check_render(melt, folder, properties):
    picture, output = os.path.join(folder, "picture.ppm"), os.path.join(folder, "frame.rgba")
    noise = random.Random(1)
    with open(picture, "wb") as file:
        file.write(b"P6 %d %d 255\n" % (WIDTH, HEIGHT) + bytes(noise.randrange(256) for _ in range(WIDTH * HEIGHT * 3)))
    defaults = render(melt, picture, output, [])
    assert render(melt, picture, output, [(name, default) for name, default, _ in properties]) == defaults, \
        "the description's defaults render differently from the plug-in's own"
    for name, _, other in properties:
        assert render(melt, picture, output, [(name, other)]) != defaults, f"{name}={other} changes nothing"


def threshold_as_kdenlive_shows(stored, factor, decimals):
    """What the slider shows for a stored value: Kdenlive 22.12 shows stored times
    factor cut to a whole number when decimals is 0, and rounded to that many
    decimals otherwise (a spin box of decimals)."""
    shown = stored * factor
    return str(int(shown)) if decimals == 0 else f"{shown:.{decimals}f}"


def threshold_as_kdenlive_stores(slider, factor):
    """What a project keeps for a typed or keyframed value: the value over factor,
    written by MLT with six significant digits (150 over 255 as 0.588235)."""
    return float(f"{slider / factor:g}")


def check_threshold_slider(description):
    """For the default and for every value from 0 to 255 typed or keyframed, the
    slider shows the value the plug-in renders: the stored value times 255, rounded
    to the nearest whole number (which the melt test holds the plug-in to)."""
    element = next(e for e in ElementTree.parse(description).getroot().iter("parameter") if e.get("name") == "Threshold")
    factor, decimals = float(element.get("factor")), int(element.get("decimals", "0"))
    wrong = []
    for slider in range(256):
        stored = threshold_as_kdenlive_stores(slider, factor)
        shown = threshold_as_kdenlive_shows(stored, factor, decimals)
        rendered = round(stored * 255)
        if float(shown) != slider or rendered != slider:
            wrong.append(f"{slider} stored as {stored} shows {shown}, renders {rendered}")
    assert not wrong, f"{len(wrong)} Threshold values shown wrong: " + "; ".join(wrong[:5])
    default = float(element.get("default"))
    shown = threshold_as_kdenlive_shows(default, factor, decimals)
    assert float(shown) == round(default * 255) == 45, f"the default shows {shown}"


def main(cmake, build, melt, plugin):
    with tempfile.TemporaryDirectory(prefix="kdenlive-install-", dir=build) as prefix:
        run([cmake, "--install", build, "--prefix", prefix])
        plugin_folder = os.path.join(prefix, "lib", "frei0r-1")
        description = os.path.join(prefix, "share", "kdenlive", "effects", "frei0r_talvenor.xml")
        for path in (os.path.join(plugin_folder, os.path.basename(plugin)), description):
            assert os.path.isfile(path), f"{path} was not installed"
        os.environ["FREI0R_PATH"] = plugin_folder
        properties = check_description(description, query_melt(melt))
        check_render(melt, prefix, properties)
        check_threshold_slider(description)
    print("installed description agrees with melt on " + ", ".join(name for name, _, _ in properties))


if __name__ == "__main__":
    main(*sys.argv[1:])
