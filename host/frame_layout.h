// FrameLayout: the host's worlds of one render and how much of each it uses.
//
// The whole input frame is read and rearranged; only the part that lies within
// both worlds is written, so an output world smaller than the input is never
// overrun. Sizes are 64-bit so that offsets within large frames cannot overflow.
// ReadFrameLayout returns false, and fills nothing, when either world cannot be
// walked safely: a null record, a negative size, rowbytes below 4 bytes a pixel,
// or no pixel data behind a non-empty world. The layout borrows both worlds.
// InputRows and OutputRow give the render's view of them, in the host's ARGB order.
#pragma once

#include <cstdint>

#include "host_api.h"
#include "pixel_rows.h"

static_assert(sizeof(PF_Pixel) == sizeof(Pixel) && alignof(PF_Pixel) == alignof(Pixel),
              "the host's pixels are the render's four bytes");

struct FrameLayout {
    const PF_LayerDef* input;
    PF_LayerDef* output;
    int64_t width;  // of the input frame
    int64_t height;
    int64_t writtenColumns;  // of the output: the columns and rows within both worlds
    int64_t writtenRows;
};

bool ReadFrameLayout(const PF_LayerDef* input, PF_LayerDef* output, FrameLayout* layout);
PixelRows InputRows(const FrameLayout& layout);
Pixel* OutputRow(const FrameLayout& layout, int64_t y);
