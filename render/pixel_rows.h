// A frame of 4-byte pixels laid out in rows, as the render reads it: row y begins
// y * rowBytes bytes after the first pixel, whatever gap is left at the end of each
// row, and each pixel's bytes are in one of two orders. Offsets are 64-bit.
#pragma once

#include <cstdint>

#include "host_api.h"

// The host's own order (alpha, red, green, blue) or RGBA, the order of the line
// sorting engine and of frei0r hosts.
enum class PixelOrder { Host, Rgba };

struct PixelRows {
    const PF_Pixel* first;
    int64_t rowBytes;
    int64_t width;
    int64_t height;
    PixelOrder order = PixelOrder::Host;
};

inline const PF_Pixel* RowAt(const PF_Pixel* first, int64_t rowBytes, int64_t y)
{
    return reinterpret_cast<const PF_Pixel*>(reinterpret_cast<const unsigned char*>(first) + y * rowBytes);
}

inline int64_t PixelCount(const PixelRows& frame)
{
    return frame.width * frame.height;
}
