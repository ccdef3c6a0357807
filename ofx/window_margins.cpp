// Each window row cleared where the frame does not reach: whole rows above and
// below it, and the stretches left and right of it.
#include "window_margins.h"

#include <algorithm>
#include <cstring>

OfxRectI Intersect(const OfxRectI& target, const OfxRectI& frame)
{
    return {std::max(target.x1, frame.x1), std::max(target.y1, frame.y1), std::min(target.x2, frame.x2),
            std::min(target.y2, frame.y2)};
}

void ClearOutsideFrame(const ImageView& output, const OfxRectI& target, const OfxRectI& frame, int64_t pixelBytes,
                       const SortWorkers& workers)
{
    const OfxRectI cover = Intersect(target, frame);
    const bool covers = cover.x1 < cover.x2 && cover.y1 < cover.y2;
    const auto clear = [&](int64_t y, int64_t x1, int64_t x2) {
        if (x2 <= x1) return;
        unsigned char* row = output.data + (y - output.bounds.y1) * output.rowBytes;
        std::memset(row + (x1 - output.bounds.x1) * pixelBytes, 0, static_cast<size_t>((x2 - x1) * pixelBytes));
    };
    auto clearRows = [&](int64_t firstRow, int64_t endRow, int32_t) {
        for (int64_t y = target.y1 + firstRow; y < target.y1 + endRow; ++y) {
            if (!covers || y < cover.y1 || y >= cover.y2) {
                clear(y, target.x1, target.x2);
            } else {
                clear(y, target.x1, cover.x1);
                clear(y, cover.x2, target.x2);
            }
        }
    };
    SpreadRows(workers, HeightOf(target), clearRows);
}
