// Moves the frame between the host's worlds and the render's working copy, a
// row-major array of width * height pixels in the host's byte order.
//
// CopyIn allocates the working copy (may throw std::bad_alloc) and fills it from
// the input world. CopyOut writes the part of it that fits the output world, one
// row at a time, reporting progress to the host after every row but the first;
// it returns the host's answer as soon as that is not PF_Err_NONE, leaving the
// rows below as they were.
#pragma once

#include <memory>

#include "frame_layout.h"

std::unique_ptr<PF_Pixel[]> CopyIn(const FrameLayout& layout);
PF_Err CopyOut(const PF_Pixel* frame, const FrameLayout& layout, const PF_InData& in_data);
