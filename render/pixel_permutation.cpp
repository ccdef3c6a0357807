// SortPixelOrder: Simple Sort through the luma ordering of indices, the line Modes
// through the engine sorting indices by their pixels' keys.
#include "pixel_permutation.h"

#include <algorithm>
#include <memory>
#include <new>

#include "arrange_frame.h"
#include "engine_options.h"
#include "orderings.h"
#include "shuffle_with.h"

namespace {

// Columns keyed and sorted together by a column sort: 128 read a 3840 x 2160
// Float frame fastest of 32 to 256, about a fifth faster than 32.
constexpr int64_t kBlockColumns = 128;

// The keys of every pixel of rows y0 .. y0 + rows - 1 for the engine's
// comparator, from their 8-bit values, into keys[0 .. rows * width - 1] row-major.
void KeyRows(const DeepFrame& frame, const SortOptions& options, int64_t y0, int64_t rows, Pixel* row, int32_t* keys)
{
    for (int64_t y = y0; y < y0 + rows; ++y) {
        EightBitRgbaPixels(frame, 0, y, frame.width, row);
        KeysOfPixels(options, reinterpret_cast<const unsigned char*>(row), static_cast<int32_t>(frame.width),
                     keys + (y - y0) * frame.width);
    }
}

using SorterHandle = std::unique_ptr<RowSorter, void (*)(RowSorter*)>;

// The engine's sorter of lines of `length` pixels, sorting labels by options.keyTable.
SorterHandle LineSorterOf(int64_t length, const SortOptions& options)
{
    SorterHandle sorter(MakeRowSorter(static_cast<uint32_t>(length), options), FreeRowSorter);
    if (!sorter) throw std::bad_alloc();
    return sorter;
}

// Rows and columns are sorted a line at a time, each line keyed just before, by
// the engine's RowSorter: it sorts a line of labels exactly as either pass of
// SortLines sorts a line of pixels. So the line's pixels stay in the caches
// throughout, and no frame-sized table of keys is needed. A row's labels are its
// columns, keyed by the row's keys, and become pixel indices once sorted.
void SortRowOrder(const DeepFrame& frame, SortOptions options, uint32_t* order)
{
    const uint32_t width = static_cast<uint32_t>(frame.width);
    std::unique_ptr<int32_t[]> keys(new int32_t[width]);
    std::unique_ptr<Pixel[]> row(new Pixel[width]);
    options.keyTable = keys.get();
    const SorterHandle sorter = LineSorterOf(width, options);
    for (int64_t y = 0; y < frame.height; ++y) {
        KeyRows(frame, options, y, 1, row.get(), keys.get());
        uint32_t* labels = order + y * frame.width;
        std::iota(labels, labels + width, uint32_t{0});
        SortRow(sorter.get(), reinterpret_cast<unsigned char*>(labels));
        const uint32_t rowStart = static_cast<uint32_t>(y) * width;
        for (uint32_t x = 0; x < width; ++x) labels[x] += rowStart;
    }
}

// Columns go kBlockColumns at a time, so that their stretches of each row are read
// and written together, each row's fetched kFetchRows rows ahead. The block's keys
// and sorted labels are kept column by column, turned from and to rows by the
// engine's transpose a band of rows at a time; column c's labels are c * height +
// its rows, and become pixel indices once sorted.
void SortColumnOrder(const DeepFrame& frame, SortOptions options, uint32_t* order)
{
    constexpr int64_t kFetchRows = 8, kBandRows = 16;
    const int64_t width = frame.width, height = frame.height;
    const int64_t pixelBytes = PixelBytesOf(frame);
    std::unique_ptr<int32_t[]> keys(new int32_t[static_cast<size_t>(kBlockColumns * height)]);
    std::unique_ptr<uint32_t[]> labels(new uint32_t[static_cast<size_t>(kBlockColumns * height)]);
    Pixel pixels[kBlockColumns];
    int32_t bandKeys[kBandRows * kBlockColumns];
    options.keyTable = keys.get();
    const SorterHandle sorter = LineSorterOf(height, options);
    for (int64_t x0 = 0; x0 < width; x0 += kBlockColumns) {
        const int64_t columns = std::min(kBlockColumns, width - x0);
        for (int64_t y0 = 0; y0 < height; y0 += kBandRows) {
            const int64_t rows = std::min(kBandRows, height - y0);
            for (int64_t y = y0; y < y0 + rows; ++y) {
                if (y + kFetchRows < height) {
                    const unsigned char* ahead = DeepRowAt(frame, y + kFetchRows) + x0 * pixelBytes;
                    for (int64_t b = 0; b < columns * pixelBytes; b += 64) PrefetchPixel(ahead + b);
                }
                EightBitRgbaPixels(frame, x0, y, columns, pixels);
                KeysOfPixels(options, reinterpret_cast<const unsigned char*>(pixels), static_cast<int32_t>(columns),
                             bandKeys + (y - y0) * columns);
            }
            TransposePixels(reinterpret_cast<unsigned char*>(keys.get() + y0), static_cast<size_t>(height),
                            reinterpret_cast<const unsigned char*>(bandKeys), static_cast<size_t>(columns),
                            static_cast<size_t>(rows), static_cast<size_t>(columns));
        }
        for (int64_t c = 0; c < columns; ++c) {
            uint32_t* column = labels.get() + c * height;
            const uint32_t first = static_cast<uint32_t>(c * height);
            std::iota(column, column + height, first);
            SortRow(sorter.get(), reinterpret_cast<unsigned char*>(column));
            const uint32_t x = static_cast<uint32_t>(x0 + c), rowStep = static_cast<uint32_t>(width);
            for (int64_t y = 0; y < height; ++y) column[y] = (column[y] - first) * rowStep + x;
        }
        TransposePixels(reinterpret_cast<unsigned char*>(order + x0), static_cast<size_t>(width),
                        reinterpret_cast<const unsigned char*>(labels.get()), static_cast<size_t>(height),
                        static_cast<size_t>(columns), static_cast<size_t>(height));
    }
}

// Both passes (and an Orientation without a name, which the engine reads as both)
// run in SortLines on the pixel indices, keyed by a table of every pixel's key.
void SortBothOrder(const DeepFrame& frame, SortOptions options, uint32_t* order)
{
    const size_t count = static_cast<size_t>(frame.width * frame.height);
    std::unique_ptr<int32_t[]> table(new int32_t[count]);
    std::unique_ptr<Pixel[]> row(new Pixel[static_cast<size_t>(frame.width)]);
    KeyRows(frame, options, 0, frame.height, row.get(), table.get());
    options.keyTable = table.get();
    std::iota(order, order + count, uint32_t{0});
    SortLines(SortImage{reinterpret_cast<unsigned char*>(order), static_cast<uint32_t>(frame.width),
                        static_cast<uint32_t>(frame.height), 4},
              options);
}

void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    const SortOptions options = MakeSortOptions(settings);
    switch (options.direction) {
    case SortDirection::Row: SortRowOrder(frame, options, order); break;
    case SortDirection::Column: SortColumnOrder(frame, options, order); break;
    default: SortBothOrder(frame, options, order); break;
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
