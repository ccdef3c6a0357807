// DeepFrame: a frame of any of the pixel formats a host may hand over, as the
// render reads it: components of one depth (8-bit, 16-bit unsigned or 32-bit
// float), three (RGB) or four (RGBA) a pixel, so a pixel of 3 to 16 bytes. Row y
// (top row 0) begins y * rowBytes bytes after the first pixel; rowBytes may be
// negative (a top-down view of bottom-up rows) and may leave a gap after each
// row. The pixels are borrowed, as in PixelRows.
//
// EightBitRgbaPixels gives `count` pixels of row y from column x on as 8-bit
// RGBA, the values keys are made from: Byte as it is, Short v as (v * 255 +
// 32767) / 65535, Float clamped to 0 .. 1 (NaN as 0) and then round(x * 255);
// alpha likewise, 255 where there is none (no key reads it).
#pragma once

#include <cstdint>

#include "pixel_order.h"

enum class ComponentDepth { Byte, Short, Float };

struct DeepFrame {
    const void* first;
    int64_t rowBytes;
    int64_t width;
    int64_t height;
    int components;  // 3 or 4
    ComponentDepth depth;
};

// A frame window: columns x0 .. x1 - 1 of rows y0 .. y1 - 1, top row 0.
struct FrameWindow {
    int64_t x0;
    int64_t y0;
    int64_t x1;
    int64_t y1;
};

inline int64_t PixelBytesOf(const DeepFrame& frame)
{
    const int64_t componentBytes = frame.depth == ComponentDepth::Byte    ? 1
                                   : frame.depth == ComponentDepth::Short ? 2
                                                                          : 4;
    return componentBytes * frame.components;
}

inline const unsigned char* DeepRowAt(const DeepFrame& frame, int64_t y)
{
    return static_cast<const unsigned char*>(frame.first) + y * frame.rowBytes;
}

void EightBitRgbaPixels(const DeepFrame& frame, int64_t x, int64_t y, int64_t count, Pixel* pixels);
