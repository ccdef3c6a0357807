// The copy out of the working frame, converting the byte order as it copies.
#include "copy_out.h"

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data)
{
    const size_t columns = static_cast<size_t>(layout.writtenColumns);
    return WriteRowsOut(layout, in_data, [&](int64_t y, Pixel* row) {
        ReorderPixels(frame.pixels.get() + y * layout.width, frame.order, row, PixelOrder::Argb, columns);
    });
}
