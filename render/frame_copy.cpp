// The working copy's allocation and the one-pass copy of rows into it.
#include "frame_copy.h"

#include <new>

std::unique_ptr<Pixel[]> AllocateFrame(int64_t pixelCount)
{
    // Every pixel is written before it is read, so the array is left uninitialised.
    // The nothrow form keeps a huge request a plain failure under every allocator.
    Pixel* pixels = new (std::nothrow) Pixel[static_cast<size_t>(pixelCount)];
    if (!pixels) throw std::bad_alloc();
    return std::unique_ptr<Pixel[]>(pixels);
}

void CopyRows(const PixelRows& from, Pixel* to, PixelOrder toOrder, const SortWorkers& workers)
{
    const size_t width = static_cast<size_t>(from.width);
    auto copy = [&](int64_t firstRow, int64_t endRow, int32_t) {
        for (int64_t y = firstRow; y < endRow; ++y) {
            ReorderPixels(RowAt(from.first, from.rowBytes, y), from.order, to + y * from.width, toOrder, width);
        }
    };
    SpreadRows(workers, from.height, copy);
}
