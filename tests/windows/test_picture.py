"""Writes the picture that the Windows and Linux renders are compared on: 64 x 48
pixels of red and green gradients with noise, blue noise and varied alpha, plus
a few colours that sit on the edges of the keys (white, black, equal keys of
different colours, a zero XOR, a small product above 255). The noise comes from
a fixed xorshift generator, so every run writes the same bytes.

Usage: /usr/bin/python3 test_picture.py OUT.png
"""
import sys

from png_rgba import RgbaImage, write_png

WIDTH, HEIGHT = 64, 48
SEED = 0x2545F491

EDGE_COLOURS = [
    (255, 255, 255, 255), (0, 0, 0, 255), (0, 0, 0, 0), (255, 255, 0, 128),
    (7, 7, 7, 200), (200, 10, 10, 255), (100, 100, 100, 30), (255, 0, 0, 255),
    (54, 54, 54, 255), (45, 45, 45, 255), (210, 210, 210, 90), (46, 44, 45, 255),
]


def xorshift32(state):
    """An endless stream of 32-bit values, fixed by the starting state."""
    while True:
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        yield state


def clamped(value):
    return max(0, min(255, value))


def gradient_pixel(x, y, noise):
    red = clamped(x * 4 + next(noise) % 49 - 24)
    green = clamped(y * 5 + next(noise) % 49 - 24)
    blue = next(noise) % 256
    alpha = (x * 37 + y * 11) % 256 if (x + y) % 5 else 255
    return red, green, blue, alpha


def make_picture():
    noise = xorshift32(SEED)
    pixels = [gradient_pixel(x, y, noise) for y in range(HEIGHT) for x in range(WIDTH)]
    # Spread over the frame so they fall into different rows, columns and runs.
    for i, colour in enumerate(EDGE_COLOURS):
        pixels[(i * 797 + 131) % len(pixels)] = colour
    return RgbaImage(WIDTH, HEIGHT, bytes(byte for pixel in pixels for byte in pixel))


if __name__ == "__main__":
    write_png(sys.argv[1], make_picture())
