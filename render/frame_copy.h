// Moves the frame between its rows (a host world's, or a frei0r host's buffer) and
// the render's working copy, a row-major array of width * height pixels with no
// gaps, converting between the two byte orders on the way where they differ.
//
// AllocateFrame gives an uninitialised working copy and may throw std::bad_alloc.
// CopyRows copies a frame's rows into such an array in the order asked for, in one
// pass. CopyOut writes the part of the working copy that fits the output world, one
// row at a time in the host's order, and reports progress to the host after every
// row but the first; it returns the host's answer as soon as that is not
// PF_Err_NONE, leaving the rows below as they were.
#pragma once

#include <memory>

#include "frame_layout.h"

struct WorkingFrame {
    std::unique_ptr<PF_Pixel[]> pixels;  // in Rgba order, each slot holds R, G, B, A
    PixelOrder order;
};

std::unique_ptr<PF_Pixel[]> AllocateFrame(int64_t pixelCount);
void CopyRows(const PixelRows& from, PF_Pixel* to, PixelOrder toOrder);
PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data);
