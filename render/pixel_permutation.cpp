// SortPixelOrder: Simple Sort through the luma ordering of indices, the line Modes
// through the engine sorting indices by a key table made once for the frame.
#include "pixel_permutation.h"

#include <algorithm>
#include <memory>
#include <new>

#include "arrange_frame.h"
#include "engine_options.h"
#include "orderings.h"

namespace {

// Rows keyed a band at a time for a column-major table, so that each column's
// keys of the band are written as one stretch.
constexpr int64_t kBandRows = 16;

// The keys of rows y0 .. y0 + rows - 1 for the engine's comparator, from their
// 8-bit values, into keys[0 .. rows * width - 1] row-major.
void KeyRows(const DeepFrame& frame, const SortOptions& options, int64_t y0, int64_t rows, Pixel* row, int32_t* keys)
{
    for (int64_t y = y0; y < y0 + rows; ++y) {
        EightBitRgbaRow(frame, y, row);
        KeysOfPixels(options, reinterpret_cast<const unsigned char*>(row), static_cast<int32_t>(frame.width),
                     keys + (y - y0) * frame.width);
    }
}

// Every pixel's key, row-major, or column-major (pixel (x, y) at x * height + y).
std::unique_ptr<int32_t[]> KeyTable(const DeepFrame& frame, const SortOptions& options, bool columnMajor)
{
    const int64_t width = frame.width, height = frame.height;
    std::unique_ptr<int32_t[]> table(new int32_t[static_cast<size_t>(width * height)]);
    std::unique_ptr<Pixel[]> row(new Pixel[static_cast<size_t>(width)]);
    if (!columnMajor) {
        KeyRows(frame, options, 0, height, row.get(), table.get());
        return table;
    }
    std::unique_ptr<int32_t[]> band(new int32_t[static_cast<size_t>(kBandRows * width)]);
    for (int64_t y0 = 0; y0 < height; y0 += kBandRows) {
        const int64_t rows = std::min(kBandRows, height - y0);
        KeyRows(frame, options, y0, rows, row.get(), band.get());
        for (int64_t x = 0; x < width; ++x) {
            for (int64_t r = 0; r < rows; ++r) table[x * height + y0 + r] = band[r * width + x];
        }
    }
    return table;
}

// A row sort keys, labels and sorts one row at a time, with the engine's
// RowSorter (its row pass), so that the row stays in the caches throughout and no
// frame-sized table is needed: the labels are the row's columns, keyed by the
// row's keys, and become pixel indices once sorted.
void SortRowOrder(const DeepFrame& frame, SortOptions options, uint32_t* order)
{
    const uint32_t width = static_cast<uint32_t>(frame.width);
    std::unique_ptr<int32_t[]> keys(new int32_t[width]);
    std::unique_ptr<Pixel[]> row(new Pixel[width]);
    options.keyTable = keys.get();
    const std::unique_ptr<RowSorter, void (*)(RowSorter*)> sorter(MakeRowSorter(width, options), FreeRowSorter);
    if (!sorter) throw std::bad_alloc();
    for (int64_t y = 0; y < frame.height; ++y) {
        KeyRows(frame, options, y, 1, row.get(), keys.get());
        uint32_t* labels = order + y * frame.width;
        std::iota(labels, labels + width, uint32_t{0});
        SortRow(sorter.get(), reinterpret_cast<unsigned char*>(labels));
        const uint32_t rowStart = static_cast<uint32_t>(y) * width;
        for (uint32_t x = 0; x < width; ++x) labels[x] += rowStart;
    }
}

// The engine sorts pixel indices by the table. A column sort reads its keys down
// the columns: there they are labelled column-major, with a column-major table, so
// that a column's keys lie together instead of a row apart each; a column sort
// keeps each label in its column x, so label x * height + y is then turned back
// into pixel y * width + x.
void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    SortOptions options = MakeSortOptions(settings);
    if (options.direction == SortDirection::Row) {
        SortRowOrder(frame, options, order);
        return;
    }
    const bool columnMajor = options.direction == SortDirection::Column;
    const std::unique_ptr<int32_t[]> table = KeyTable(frame, options, columnMajor);
    options.keyTable = table.get();
    const uint32_t width = static_cast<uint32_t>(frame.width), height = static_cast<uint32_t>(frame.height);
    for (uint32_t y = 0; y < height; ++y) {
        uint32_t* row = order + size_t{y} * width;
        const uint32_t step = columnMajor ? height : 1, start = columnMajor ? y : y * width;
        for (uint32_t x = 0; x < width; ++x) row[x] = start + x * step;
    }
    SortLines(SortImage{reinterpret_cast<unsigned char*>(order), width, height, 4}, options);
    if (!columnMajor) return;
    for (uint32_t y = 0; y < height; ++y) {
        uint32_t* row = order + size_t{y} * width;
        for (uint32_t x = 0; x < width; ++x) row[x] = (row[x] - x * height) * width + x;
    }
}

}  // namespace

bool CanOrderPixels(const DeepFrame& frame, const RenderSettings& settings)
{
    const PixelRows rows{nullptr, 0, frame.width, frame.height, PixelOrder::Rgba};
    return PixelCount(rows) <= int64_t{UINT32_MAX} && CanArrange(rows, settings);
}

void SortPixelOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    if (settings.mode == Mode::SimpleSort) {
        SortIndicesByLuma(frame, order);
    } else {
        SortLineOrder(frame, settings, order);
    }
}
