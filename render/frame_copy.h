// Moves the frame between the host's worlds and the render's working copy, a
// row-major array of width * height pixels in one of two byte orders: the host's
// own, or RGBA as the line sorting engine takes it.
//
// AllocateFrame gives an uninitialised working copy; CopyIn allocates one and
// fills it from the input world in the order asked for, in one pass. Both may
// throw std::bad_alloc. CopyOut writes the part of the working copy that fits the
// output world, one row at a time, converting back to the host's order on the way,
// and reports progress to the host after every row but the first; it returns the
// host's answer as soon as that is not PF_Err_NONE, leaving the rows below as
// they were.
#pragma once

#include <memory>

#include "frame_layout.h"

enum class PixelOrder { Host, Rgba };

struct WorkingFrame {
    std::unique_ptr<PF_Pixel[]> pixels;  // in Rgba order, each slot holds R, G, B, A
    PixelOrder order;
};

std::unique_ptr<PF_Pixel[]> AllocateFrame(const FrameLayout& layout);
WorkingFrame CopyIn(const FrameLayout& layout, PixelOrder order);
PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data);
