"""Reads and writes 8-bit RGBA PNG files with the standard library alone, so the
render checks need no image package.

RgbaImage holds width, height and the pixels as bytes, row-major, four bytes
(red, green, blue, alpha) per pixel. read_png accepts 8-bit RGB or RGBA without
interlacing (what talvenor writes is RGBA) and raises ValueError on anything
else; write_png writes RGBA.
"""
import struct
import zlib
from typing import NamedTuple

SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPE_CHANNELS = {2: 3, 6: 4}


class RgbaImage(NamedTuple):
    width: int
    height: int
    rgba: bytes

    def pixels(self):
        """The pixels in row-major order, each as 4 bytes."""
        return [self.rgba[i:i + 4] for i in range(0, len(self.rgba), 4)]


def chunks(data):
    position = len(SIGNATURE)
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        yield kind, data[position + 8:position + 8 + length]
        position += 12 + length


def paeth(left, up, up_left):
    estimate = left + up - up_left
    distances = abs(estimate - left), abs(estimate - up), abs(estimate - up_left)
    if distances[0] <= distances[1] and distances[0] <= distances[2]:
        return left
    return up if distances[1] <= distances[2] else up_left


def unfilter_row(kind, row, previous, step):
    """Undoes one row's filter in place; step is the bytes per pixel."""
    for i in range(len(row)):
        left = row[i - step] if i >= step else 0
        up = previous[i]
        up_left = previous[i - step] if i >= step else 0
        if kind == 1:
            row[i] = (row[i] + left) & 0xFF
        elif kind == 2:
            row[i] = (row[i] + up) & 0xFF
        elif kind == 3:
            row[i] = (row[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            row[i] = (row[i] + paeth(left, up, up_left)) & 0xFF
        elif kind != 0:
            raise ValueError(f"unknown PNG row filter {kind}")


def read_png(path):
    with open(path, "rb") as file:
        data = file.read()
    if not data.startswith(SIGNATURE):
        raise ValueError(f"{path} is not a PNG file")
    parts = list(chunks(data))
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", parts[0][1])
    channels = COLOUR_TYPE_CHANNELS.get(colour_type)
    if depth != 8 or channels is None or interlace != 0:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA PNG without interlacing is read")
    packed = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    stride = width * channels
    previous = bytearray(stride)
    rgba = bytearray()
    for y in range(height):
        start = y * (stride + 1)
        row = bytearray(packed[start + 1:start + 1 + stride])
        unfilter_row(packed[start], row, previous, channels)
        for x in range(0, stride, channels):
            rgba += row[x:x + 3] + (row[x + 3:x + 4] if channels == 4 else b"\xff")
        previous = row
    return RgbaImage(width, height, bytes(rgba))


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(path, image):
    stride = image.width * 4
    rows = b"".join(b"\0" + image.rgba[y * stride:(y + 1) * stride] for y in range(image.height))
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(SIGNATURE + png_chunk(b"IHDR", header) + png_chunk(b"IDAT", zlib.compress(rows, 9))
                   + png_chunk(b"IEND", b""))
