// Copy-in from the input world and copy-out with progress to the output world,
// each a single pass that converts the byte order as it copies.
#include "frame_copy.h"

#include <cstring>
#include <new>

#include "rgba_order.h"
#include "world_rows.h"

namespace {

void CopyHostRow(const PF_Pixel* from, PF_Pixel* to, size_t count)
{
    std::memcpy(to, from, count * sizeof(PF_Pixel));
}

void PackRow(const PF_Pixel* from, PF_Pixel* to, size_t count)
{
    PackRgbaRow(from, reinterpret_cast<unsigned char*>(to), count);
}

void UnpackRow(const PF_Pixel* from, PF_Pixel* to, size_t count)
{
    UnpackRgbaRow(reinterpret_cast<const unsigned char*>(from), to, count);
}

}  // namespace

std::unique_ptr<PF_Pixel[]> AllocateFrame(const FrameLayout& layout)
{
    // Every pixel is written before it is read, so the array is left uninitialised.
    // The nothrow form keeps a huge request a plain failure under every allocator.
    PF_Pixel* pixels = new (std::nothrow) PF_Pixel[static_cast<size_t>(PixelCount(layout))];
    if (!pixels) throw std::bad_alloc();
    return std::unique_ptr<PF_Pixel[]>(pixels);
}

WorkingFrame CopyIn(const FrameLayout& layout, PixelOrder order)
{
    WorkingFrame frame{AllocateFrame(layout), order};
    const auto readRow = order == PixelOrder::Rgba ? PackRow : CopyHostRow;
    const size_t width = static_cast<size_t>(layout.width);
    for (int64_t y = 0; y < layout.height; ++y) {
        readRow(WorldRow(*layout.input, y), frame.pixels.get() + y * layout.width, width);
    }
    return frame;
}

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data)
{
    const auto writeRow = frame.order == PixelOrder::Rgba ? UnpackRow : CopyHostRow;
    const size_t columns = static_cast<size_t>(layout.writtenColumns);
    const A_long total = static_cast<A_long>(layout.writtenRows);
    for (int64_t y = 0; y < layout.writtenRows; ++y) {
        writeRow(frame.pixels.get() + y * layout.width, WorldRow(*layout.output, y), columns);
        if (y == 0) continue;
        const PF_Err answer = in_data.inter.progress(in_data.effect_ref, static_cast<A_long>(y + 1), total);
        if (answer != PF_Err_NONE) return answer;
    }
    return PF_Err_NONE;
}
