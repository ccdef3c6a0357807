// Writing the output world row by row with progress.
//
// WriteRowsOut has writeRow(y, row) write row y of the part that fits the output
// world, one row at a time from the top, and reports progress to the host after
// every row but the first. It returns the host's answer as soon as that is not
// PF_Err_NONE, leaving the rows below as they were. CopyOut writes the render's
// working copy so, in the host's ARGB order.
#pragma once

#include <memory>

#include "frame_layout.h"

struct WorkingFrame {
    std::unique_ptr<Pixel[]> pixels;  // width * height pixels, row-major
    PixelOrder order;
};

template <typename WriteRow>
PF_Err WriteRowsOut(const FrameLayout& layout, const PF_InData& in_data, WriteRow writeRow)
{
    const A_long total = static_cast<A_long>(layout.writtenRows);
    for (int64_t y = 0; y < layout.writtenRows; ++y) {
        writeRow(y, OutputRow(layout, y));
        if (y == 0) continue;
        const PF_Err answer = in_data.inter.progress(in_data.effect_ref, static_cast<A_long>(y + 1), total);
        if (answer != PF_Err_NONE) return answer;
    }
    return PF_Err_NONE;
}

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data);
