"""Compares a Windows render with the Linux render of the same picture and
settings. Both must hold the same pixels (all four bytes, as a multiset) and the
same sort key at every position; where the sort is deterministic on both
platforms they must also be byte for byte the same. Random must be a
rearrangement of the source picture; both platforms draw the same sequence, so a
fresh process's first Random render may be asked to be the same bytes too.

The key is the one the Mode and Comparator sort by: luma for Simple Sort, the
comparator's key for the line modes. "Min" sorts by the largest colour byte and
"Max" by the smallest, as in every release.
"""
from collections import Counter


def luma_key(red, green, blue):
    # The same double-precision sum, in the same order, truncated, as the effect's.
    return int((0.2126 * red + 0.7152 * green) + 0.0722 * blue)


COMPARATOR_KEYS = {
    "Average": lambda red, green, blue: (red + green + blue) // 3,
    "Multiply": lambda red, green, blue: red * green * blue,
    "Min": lambda red, green, blue: max(red, green, blue),
    "Max": lambda red, green, blue: min(red, green, blue),
    "XOR": lambda red, green, blue: red ^ green ^ blue,
}


def sort_key(mode, comparator):
    return luma_key if mode == "Simple Sort" else COMPARATOR_KEYS[comparator]


def keys(image, key):
    return [key(*pixel[:3]) for pixel in image.pixels()]


def size_problems(expected, actual):
    if (expected.width, expected.height) == (actual.width, actual.height):
        return []
    return [f"size {actual.width} x {actual.height}, expected {expected.width} x {expected.height}"]


def multiset_problems(expected, actual, what):
    missing = Counter(expected.pixels()) - Counter(actual.pixels())
    extra = Counter(actual.pixels()) - Counter(expected.pixels())
    if not missing and not extra:
        return []
    example = {name: tuple(next(iter(pixels))) if pixels else "none" for name, pixels in
               (("missing", missing), ("extra", extra))}
    return [f"pixels differ from {what} (RGBA): {sum(missing.values())} missing, e.g. {example['missing']}; "
            f"{sum(extra.values())} not in it, e.g. {example['extra']}"]


def key_problems(native, windows, key):
    native_keys, windows_keys = keys(native, key), keys(windows, key)
    wrong = [i for i, (a, b) in enumerate(zip(native_keys, windows_keys)) if a != b]
    if not wrong:
        return []
    first = wrong[0]
    y, x = divmod(first, native.width)
    return [f"keys differ at {len(wrong)} positions, first at x {x}, y {y}: "
            f"Windows {windows_keys[first]}, Linux {native_keys[first]}"]


def random_problems(source, windows):
    problems = size_problems(source, windows) or multiset_problems(source, windows, "the source picture")
    if not problems and windows.rgba == source.rgba:
        problems.append("Random left every pixel where it was")
    return problems


def render_problems(mode, comparator, source, native, windows, byte_identical):
    """The failed checks of one Windows render, as lines of text."""
    if mode == "Random":
        problems = random_problems(source, windows)
        if byte_identical and not problems and windows.rgba != native.rgba:
            problems.append("not byte-identical to the Linux render: the two drew different orders")
        return problems
    problems = size_problems(native, windows)
    if problems:
        return problems
    problems = multiset_problems(native, windows, "the Linux render")
    problems += key_problems(native, windows, sort_key(mode, comparator))
    if byte_identical and not problems and windows.rgba != native.rgba:
        differing = sum(a != b for a, b in zip(windows.pixels(), native.pixels()))
        problems.append(f"not byte-identical to the Linux render: {differing} pixels differ "
                        "(same keys, so equal keys are ordered differently)")
    return problems
