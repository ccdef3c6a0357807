// CopyOut: writes the part of the render's working copy that fits the output world,
// one row at a time in the host's ARGB order, and reports progress to the host
// after every row but the first. It returns the host's answer as soon as that is
// not PF_Err_NONE, leaving the rows below as they were.
#pragma once

#include <memory>

#include "frame_layout.h"

struct WorkingFrame {
    std::unique_ptr<Pixel[]> pixels;  // width * height pixels, row-major
    PixelOrder order;
};

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data);
