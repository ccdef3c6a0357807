// The window's rows, each in up to three spans: transparent black left of the
// frame, the frame's pixels, transparent black right of it. Rows are shared out
// among the workers.
#include "window_copy.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int64_t kBytesPerPixel = 4;

void Clear(unsigned char* to, int64_t from, int64_t until)
{
    if (until > from) std::memset(to + from * kBytesPerPixel, 0, static_cast<size_t>((until - from) * kBytesPerPixel));
}

void WriteRow(const ArrangedFrame& frame, const ImageView& output, const OfxRectI& target, int64_t y)
{
    // The columns of the window, relative to its left edge, that the frame covers.
    const int64_t width = WidthOf(target);
    const int64_t covered1 = std::clamp<int64_t>(int64_t{frame.bounds.x1} - target.x1, 0, width);
    const int64_t covered2 = std::clamp<int64_t>(int64_t{frame.bounds.x2} - target.x1, 0, width);
    unsigned char* row = output.data + (y - output.bounds.y1) * output.rowBytes +
                         (int64_t{target.x1} - output.bounds.x1) * kBytesPerPixel;
    if (y < frame.bounds.y1 || y >= frame.bounds.y2 || covered1 >= covered2) {
        Clear(row, 0, width);
        return;
    }
    const int64_t arrangedRow = int64_t{frame.bounds.y2} - 1 - y;
    const Pixel* from = frame.pixels + arrangedRow * WidthOf(frame.bounds) + (target.x1 + covered1 - frame.bounds.x1);
    Clear(row, 0, covered1);
    ReorderPixels(from, frame.order, reinterpret_cast<Pixel*>(row + covered1 * kBytesPerPixel), PixelOrder::Rgba,
                  static_cast<size_t>(covered2 - covered1));
    Clear(row, covered2, width);
}

}  // namespace

void WriteWindow(const ArrangedFrame& frame, const ImageView& output, const OfxRectI& target,
                 const SortWorkers& workers)
{
    auto writeRows = [&](int64_t firstRow, int64_t endRow, int32_t) {
        for (int64_t y = target.y1 + firstRow; y < target.y1 + endRow; ++y) WriteRow(frame, output, target, y);
    };
    SpreadRows(workers, HeightOf(target), writeRows);
}
