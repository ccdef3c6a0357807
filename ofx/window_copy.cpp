// The window's rows: the part the frame covers copied from the arranged frame,
// the rest cleared. Rows are shared out among the workers.
#include "window_copy.h"

#include <algorithm>
#include <cstring>

#include "window_margins.h"

void TurnUpsideDown(const ImageView& output, const SortWorkers& workers)
{
    const int64_t width = WidthOf(output.bounds), height = HeightOf(output.bounds);
    auto* pixels = reinterpret_cast<Pixel*>(output.data);
    // Each worker swaps a run of the top half's rows with their mirror rows.
    auto turnRows = [&](int64_t firstRow, int64_t endRow, int32_t) {
        for (int64_t y = firstRow; y < endRow; ++y) {
            Pixel* top = pixels + y * width;
            Pixel* bottom = pixels + (height - 1 - y) * width;
            std::swap_ranges(top, top + width, bottom);
        }
    };
    SpreadRows(workers, (height + 1) / 2, turnRows);
}

void WriteWindow(const ArrangedFrame& frame, const ImageView& output, const OfxRectI& target,
                 const SortWorkers& workers)
{
    constexpr int64_t kBytesPerPixel = 4;
    ClearOutsideFrame(output, target, frame.bounds, kBytesPerPixel, workers);
    const OfxRectI cover = Intersect(target, frame.bounds);
    if (cover.x1 >= cover.x2 || cover.y1 >= cover.y2) return;
    auto copyRows = [&](int64_t firstRow, int64_t endRow, int32_t) {
        for (int64_t y = cover.y1 + firstRow; y < cover.y1 + endRow; ++y) {
            const int64_t arrangedRow = int64_t{frame.bounds.y2} - 1 - y;
            const Pixel* from = frame.pixels + arrangedRow * WidthOf(frame.bounds) + (cover.x1 - frame.bounds.x1);
            unsigned char* to = output.data + (y - output.bounds.y1) * output.rowBytes +
                                (int64_t{cover.x1} - output.bounds.x1) * kBytesPerPixel;
            std::memcpy(to, from, static_cast<size_t>(WidthOf(cover) * kBytesPerPixel));
        }
    };
    SpreadRows(workers, HeightOf(cover), copyRows);
}
