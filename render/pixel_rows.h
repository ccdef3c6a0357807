// A frame of pixels laid out in rows, as the render reads it: row y begins
// y * rowBytes bytes after the first pixel, whatever gap is left at the end of each
// row, and every pixel's bytes are in `order`. The rows are borrowed: whoever
// makes a PixelRows owns the pixels and keeps them alive while it is in use.
// Offsets are 64-bit.
#pragma once

#include <cstdint>

#include "pixel_order.h"

struct PixelRows {
    const Pixel* first;
    int64_t rowBytes;
    int64_t width;
    int64_t height;
    PixelOrder order;
};

inline const Pixel* RowAt(const Pixel* first, int64_t rowBytes, int64_t y)
{
    return reinterpret_cast<const Pixel*>(reinterpret_cast<const unsigned char*>(first) + y * rowBytes);
}

inline int64_t PixelCount(const PixelRows& frame)
{
    return frame.width * frame.height;
}
