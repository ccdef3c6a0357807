// The copy out of the working frame with progress, converting the byte order as it
// copies.
#include "copy_out.h"

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data)
{
    const size_t columns = static_cast<size_t>(layout.writtenColumns);
    const A_long total = static_cast<A_long>(layout.writtenRows);
    for (int64_t y = 0; y < layout.writtenRows; ++y) {
        ReorderPixels(frame.pixels.get() + y * layout.width, frame.order, OutputRow(layout, y), PixelOrder::Argb,
                      columns);
        if (y == 0) continue;
        const PF_Err answer = in_data.inter.progress(in_data.effect_ref, static_cast<A_long>(y + 1), total);
        if (answer != PF_Err_NONE) return answer;
    }
    return PF_Err_NONE;
}
