// SortLineOrder: the line Modes of a frame of any format as a permutation, the
// engine's line sorter sorting pixel labels by their 8-bit keys.
#include "line_order.h"

#include <algorithm>
#include <memory>
#include <new>
#include <numeric>

#include "engine_options.h"
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
// throughout, and only Both keeps a frame-sized table of keys. A row's labels are
// its columns, keyed by the row's keys, and become pixel indices once sorted;
// `sortedKeys`, unless null, receives each place's key after the sort.
void SortRowOrder(const DeepFrame& frame, SortOptions options, uint32_t* order, int32_t* sortedKeys)
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
        if (sortedKeys != nullptr) {
            for (uint32_t x = 0; x < width; ++x) sortedKeys[y * frame.width + x] = keys[labels[x]];
        }
        const uint32_t rowStart = static_cast<uint32_t>(y) * width;
        for (uint32_t x = 0; x < width; ++x) labels[x] += rowStart;
    }
}

// The pixels of one block of columns: a frame narrower than a block takes no more.
size_t BlockPixels(int64_t width, int64_t height)
{
    return static_cast<size_t>(std::min(kBlockColumns, width) * height);
}

// A column sort goes kBlockColumns columns at a time, so that their stretches of
// each row are read and written together. The block's keys and labels are kept
// column by column, turned from and to rows by the engine's transpose; column c's
// labels are c * height + its rows.
struct ColumnBlocks {
    ColumnBlocks(int64_t width, int64_t height, SortOptions sortOptions)
        : width(width),
          height(height),
          keys(new int32_t[BlockPixels(width, height)]),
          labels(new uint32_t[BlockPixels(width, height)]),
          options(sortOptions),
          sorter(nullptr, FreeRowSorter)
    {
        options.keyTable = keys.get();
        sorter = LineSorterOf(height, options);
    }

    // Sorts the labels of the block's columns by the keys, each column on its own.
    void Sort(int64_t columns)
    {
        for (int64_t c = 0; c < columns; ++c) {
            uint32_t* column = labels.get() + c * height;
            std::iota(column, column + height, static_cast<uint32_t>(c * height));
            SortRow(sorter.get(), reinterpret_cast<unsigned char*>(column));
        }
    }

    // Writes the labels, once made into pixel indices, to the block's place in order.
    void WriteTo(uint32_t* order, int64_t x0, int64_t columns) const
    {
        TransposePixels(reinterpret_cast<unsigned char*>(order + x0), static_cast<size_t>(width),
                        reinterpret_cast<const unsigned char*>(labels.get()), static_cast<size_t>(height),
                        static_cast<size_t>(columns), static_cast<size_t>(height));
    }

    int64_t width;
    int64_t height;
    std::unique_ptr<int32_t[]> keys;
    std::unique_ptr<uint32_t[]> labels;
    SortOptions options;
    SorterHandle sorter;
};

// The keys of a block's columns from the frame, a band of rows at a time, each
// row fetched kFetchRows rows ahead.
void KeyColumns(const DeepFrame& frame, const SortOptions& options, int64_t x0, int64_t columns, int32_t* keys)
{
    constexpr int64_t kFetchRows = 8, kBandRows = 16;
    const int64_t pixelBytes = PixelBytesOf(frame);
    Pixel pixels[kBlockColumns];
    int32_t bandKeys[kBandRows * kBlockColumns];
    for (int64_t y0 = 0; y0 < frame.height; y0 += kBandRows) {
        const int64_t rows = std::min(kBandRows, frame.height - y0);
        for (int64_t y = y0; y < y0 + rows; ++y) {
            if (y + kFetchRows < frame.height) {
                const unsigned char* ahead = DeepRowAt(frame, y + kFetchRows) + x0 * pixelBytes;
                for (int64_t b = 0; b < columns * pixelBytes; b += 64) PrefetchPixel(ahead + b);
            }
            EightBitRgbaPixels(frame, x0, y, columns, pixels);
            KeysOfPixels(options, reinterpret_cast<const unsigned char*>(pixels), static_cast<int32_t>(columns),
                         bandKeys + (y - y0) * columns);
        }
        TransposePixels(reinterpret_cast<unsigned char*>(keys + y0), static_cast<size_t>(frame.height),
                        reinterpret_cast<const unsigned char*>(bandKeys), static_cast<size_t>(columns),
                        static_cast<size_t>(rows), static_cast<size_t>(columns));
    }
}

void SortColumnOrder(const DeepFrame& frame, const SortOptions& options, uint32_t* order)
{
    ColumnBlocks blocks(frame.width, frame.height, options);
    for (int64_t x0 = 0; x0 < frame.width; x0 += kBlockColumns) {
        const int64_t columns = std::min(kBlockColumns, frame.width - x0);
        KeyColumns(frame, blocks.options, x0, columns, blocks.keys.get());
        blocks.Sort(columns);
        const uint32_t rowStep = static_cast<uint32_t>(frame.width);
        for (int64_t c = 0; c < columns; ++c) {
            uint32_t* column = blocks.labels.get() + c * frame.height;
            const uint32_t first = static_cast<uint32_t>(c * frame.height), x = static_cast<uint32_t>(x0 + c);
            for (int64_t y = 0; y < frame.height; ++y) column[y] = (column[y] - first) * rowStep + x;
        }
        blocks.WriteTo(order, x0, columns);
    }
}

// Both passes (and an Orientation without a name, which the engine reads as both)
// sort the rows, then the columns of what the rows became: keyed by the keys the
// row sort left in each place, and labelled as places, which the row sort's
// order turns into pixel indices.
void SortBothOrder(const DeepFrame& frame, const SortOptions& options, uint32_t* order)
{
    const int64_t width = frame.width, height = frame.height;
    std::unique_ptr<int32_t[]> placeKeys(new int32_t[static_cast<size_t>(width * height)]);
    ColumnBlocks blocks(width, height, options);
    std::unique_ptr<uint32_t[]> rowOrder(new uint32_t[BlockPixels(width, height)]);
    SortRowOrder(frame, options, order, placeKeys.get());
    for (int64_t x0 = 0; x0 < width; x0 += kBlockColumns) {
        const int64_t columns = std::min(kBlockColumns, width - x0);
        const auto columnsOf = [&](unsigned char* target, const void* source) {
            TransposePixels(target, static_cast<size_t>(height), static_cast<const unsigned char*>(source),
                            static_cast<size_t>(width), static_cast<size_t>(height), static_cast<size_t>(columns));
        };
        columnsOf(reinterpret_cast<unsigned char*>(blocks.keys.get()), placeKeys.get() + x0);
        columnsOf(reinterpret_cast<unsigned char*>(rowOrder.get()), order + x0);
        blocks.Sort(columns);
        uint32_t* labels = blocks.labels.get();
        for (int64_t i = 0; i < columns * height; ++i) labels[i] = rowOrder[labels[i]];
        blocks.WriteTo(order, x0, columns);
    }
}

}  // namespace

void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    const SortOptions options = MakeSortOptions(settings);
    switch (options.direction) {
    case SortDirection::Row: SortRowOrder(frame, options, order, nullptr); break;
    case SortDirection::Column: SortColumnOrder(frame, options, order); break;
    default: SortBothOrder(frame, options, order); break;
    }
}
