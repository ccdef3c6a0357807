// Copy-in from a frame's rows and copy-out with progress to the output world,
// each a single pass that converts the byte order as it copies.
#include "frame_copy.h"

#include <cstring>
#include <new>

#include "rgba_order.h"
#include "world_rows.h"

namespace {

using RowCopy = void (*)(const PF_Pixel* from, PF_Pixel* to, size_t count);

void CopySameOrder(const PF_Pixel* from, PF_Pixel* to, size_t count)
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

RowCopy RowCopyBetween(PixelOrder from, PixelOrder to)
{
    if (from == to) return CopySameOrder;
    return to == PixelOrder::Rgba ? PackRow : UnpackRow;
}

}  // namespace

std::unique_ptr<PF_Pixel[]> AllocateFrame(int64_t pixelCount)
{
    // Every pixel is written before it is read, so the array is left uninitialised.
    // The nothrow form keeps a huge request a plain failure under every allocator.
    PF_Pixel* pixels = new (std::nothrow) PF_Pixel[static_cast<size_t>(pixelCount)];
    if (!pixels) throw std::bad_alloc();
    return std::unique_ptr<PF_Pixel[]>(pixels);
}

void CopyRows(const PixelRows& from, PF_Pixel* to, PixelOrder toOrder)
{
    const RowCopy copyRow = RowCopyBetween(from.order, toOrder);
    const size_t width = static_cast<size_t>(from.width);
    for (int64_t y = 0; y < from.height; ++y) {
        copyRow(RowAt(from.first, from.rowBytes, y), to + y * from.width, width);
    }
}

PF_Err CopyOut(const WorkingFrame& frame, const FrameLayout& layout, const PF_InData& in_data)
{
    const RowCopy writeRow = RowCopyBetween(frame.order, PixelOrder::Host);
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
