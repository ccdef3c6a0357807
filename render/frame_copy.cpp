// Copy-in from the input world and copy-out with progress to the output world.
#include "frame_copy.h"

#include <algorithm>

#include "world_rows.h"

std::unique_ptr<PF_Pixel[]> CopyIn(const FrameLayout& layout)
{
    // Every pixel is written below, so the array is left uninitialised.
    std::unique_ptr<PF_Pixel[]> frame(new PF_Pixel[static_cast<size_t>(PixelCount(layout))]);
    for (int64_t y = 0; y < layout.height; ++y) {
        const PF_Pixel* row = WorldRow(*layout.input, y);
        std::copy(row, row + layout.width, frame.get() + y * layout.width);
    }
    return frame;
}

PF_Err CopyOut(const PF_Pixel* frame, const FrameLayout& layout, const PF_InData& in_data)
{
    const A_long total = static_cast<A_long>(layout.writtenRows);
    for (int64_t y = 0; y < layout.writtenRows; ++y) {
        const PF_Pixel* source = frame + y * layout.width;
        std::copy(source, source + layout.writtenColumns, WorldRow(*layout.output, y));
        if (y == 0) continue;
        const PF_Err answer = in_data.inter.progress(in_data.effect_ref, static_cast<A_long>(y + 1), total);
        if (answer != PF_Err_NONE) return answer;
    }
    return PF_Err_NONE;
}
