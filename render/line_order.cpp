// SortLineOrder: the line Modes of a frame of any format as a permutation, the
// engine's line sorter sorting pixel labels by their 8-bit keys. Rows, and blocks
// of columns, are sorted on their own, so they are shared out among the workers,
// each with sorters and scratch of its own, all taken before any is spread.
#include "line_order.h"

#include <algorithm>
#include <memory>
#include <new>
#include <numeric>
#include <vector>

#include "engine_options.h"
#include "shuffle_with.h"
#include "workers.h"

namespace {

// Columns keyed and sorted together by a column sort: 128 read a 3840 x 2160
// Float frame fastest of 32 to 256, about a fifth faster than 32.
constexpr int64_t kBlockColumns = 128;
// Rows a row sort takes between two asks whether to stop.
constexpr int64_t kBandRows = 16;

using SorterHandle = std::unique_ptr<RowSorter, void (*)(RowSorter*)>;

// The engine's sorter of lines of `length` pixels, sorting labels by options.keyTable.
SorterHandle LineSorterOf(int64_t length, const SortOptions& options)
{
    SorterHandle sorter(MakeRowSorter(static_cast<uint32_t>(length), options), FreeRowSorter);
    if (!sorter) throw std::bad_alloc();
    return sorter;
}

// One worker's memory for sorting rows: a row's 8-bit values, their keys, and
// the sorter reading them.
struct RowScratch {
    RowScratch(int64_t width, SortOptions sortOptions)
        : row(new Pixel[static_cast<size_t>(width)]),
          keys(new int32_t[static_cast<size_t>(width)]),
          options(sortOptions),
          sorter(nullptr, FreeRowSorter)
    {
        options.keyTable = keys.get();
        sorter = LineSorterOf(width, options);
    }

    std::unique_ptr<Pixel[]> row;
    std::unique_ptr<int32_t[]> keys;
    SortOptions options;
    SorterHandle sorter;
};

// One scratch a worker, each made by made().
template <typename Scratch, typename Make>
std::vector<Scratch> ScratchOfWorkers(const SortWorkers& workers, Make made)
{
    std::vector<Scratch> scratch;
    scratch.reserve(static_cast<size_t>(WorkerCountOf(workers)));
    for (int32_t w = 0; w < WorkerCountOf(workers); ++w) scratch.push_back(made());
    return scratch;
}

// Rows and columns are sorted a line at a time, each line keyed just before, by
// the engine's RowSorter: it sorts a line of labels exactly as either pass of
// SortLines sorts a line of pixels. So the line's pixels stay in the caches
// throughout, and only Both keeps a frame-sized table of keys. A row's labels are
// its columns, keyed by the row's keys, and become pixel indices once sorted;
// `sortedKeys`, unless null, receives each place's key after the sort.
void SortRowLabels(const DeepFrame& frame, int64_t y, RowScratch& scratch, uint32_t* order, int32_t* sortedKeys)
{
    const uint32_t width = static_cast<uint32_t>(frame.width);
    EightBitRgbaPixels(frame, 0, y, frame.width, scratch.row.get());
    KeysOfPixels(scratch.options, reinterpret_cast<const unsigned char*>(scratch.row.get()),
                 static_cast<int32_t>(width), scratch.keys.get());
    uint32_t* labels = order + y * frame.width;
    std::iota(labels, labels + width, uint32_t{0});
    SortRow(scratch.sorter.get(), reinterpret_cast<unsigned char*>(labels));
    if (sortedKeys != nullptr) {
        for (uint32_t x = 0; x < width; ++x) sortedKeys[y * frame.width + x] = scratch.keys[labels[x]];
    }
    const uint32_t rowStart = static_cast<uint32_t>(y) * width;
    for (uint32_t x = 0; x < width; ++x) labels[x] += rowStart;
}

std::vector<RowScratch> RowScratchOf(const DeepFrame& frame, const SortOptions& options, const SortWorkers& workers)
{
    return ScratchOfWorkers<RowScratch>(workers, [&] { return RowScratch(frame.width, options); });
}

// The rows, a band of them at a time.
void SortRowOrder(const DeepFrame& frame, std::vector<RowScratch>& scratch, uint32_t* order, int32_t* sortedKeys,
                  const SortWorkers& workers)
{
    auto sortBand = [&](int64_t band, int32_t worker) {
        for (int64_t y = band * kBandRows; y < std::min(frame.height, (band + 1) * kBandRows); ++y) {
            SortRowLabels(frame, y, scratch[static_cast<size_t>(worker)], order, sortedKeys);
        }
    };
    SpreadPieces(workers, (frame.height + kBandRows - 1) / kBandRows, sortBand);
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

std::vector<ColumnBlocks> ColumnScratchOf(const DeepFrame& frame, const SortOptions& options,
                                          const SortWorkers& workers)
{
    return ScratchOfWorkers<ColumnBlocks>(workers, [&] { return ColumnBlocks(frame.width, frame.height, options); });
}

int64_t BlockCount(int64_t width)
{
    return (width + kBlockColumns - 1) / kBlockColumns;
}

void SortColumnBlock(const DeepFrame& frame, int64_t x0, ColumnBlocks& blocks, uint32_t* order)
{
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

void SortColumnOrder(const DeepFrame& frame, const SortOptions& options, uint32_t* order, const SortWorkers& workers)
{
    std::vector<ColumnBlocks> blocks = ColumnScratchOf(frame, options, workers);
    auto sortBlock = [&](int64_t block, int32_t worker) {
        SortColumnBlock(frame, block * kBlockColumns, blocks[static_cast<size_t>(worker)], order);
    };
    SpreadPieces(workers, BlockCount(frame.width), sortBlock);
}

// A block of columns of what the row sort made: keyed by the keys the row sort
// left in each place, and labelled as places, which `rowOrder` (the row sort's
// order of the block) turns into pixel indices.
void SortPlaceBlock(int64_t width, int64_t height, int64_t x0, const int32_t* placeKeys, ColumnBlocks& blocks,
                    uint32_t* rowOrder, uint32_t* order)
{
    const int64_t columns = std::min(kBlockColumns, width - x0);
    const auto columnsOf = [&](unsigned char* target, const void* source) {
        TransposePixels(target, static_cast<size_t>(height), static_cast<const unsigned char*>(source),
                        static_cast<size_t>(width), static_cast<size_t>(height), static_cast<size_t>(columns));
    };
    columnsOf(reinterpret_cast<unsigned char*>(blocks.keys.get()), placeKeys + x0);
    columnsOf(reinterpret_cast<unsigned char*>(rowOrder), order + x0);
    blocks.Sort(columns);
    uint32_t* labels = blocks.labels.get();
    for (int64_t i = 0; i < columns * height; ++i) labels[i] = rowOrder[labels[i]];
    blocks.WriteTo(order, x0, columns);
}

// Both passes (and an Orientation without a name, which the engine reads as both)
// sort the rows, then the columns of what the rows became; the column pass begins
// once every row is sorted.
void SortBothOrder(const DeepFrame& frame, const SortOptions& options, uint32_t* order, const SortWorkers& workers)
{
    const int64_t width = frame.width, height = frame.height;
    std::unique_ptr<int32_t[]> placeKeys(new int32_t[static_cast<size_t>(width * height)]);
    std::vector<RowScratch> rows = RowScratchOf(frame, options, workers);
    std::vector<ColumnBlocks> blocks = ColumnScratchOf(frame, options, workers);
    const size_t blockPixels = BlockPixels(width, height);
    std::unique_ptr<uint32_t[]> rowOrders(new uint32_t[blockPixels * blocks.size()]);
    SortRowOrder(frame, rows, order, placeKeys.get(), workers);
    if (StopAsked(workers)) return;
    auto sortBlock = [&](int64_t block, int32_t worker) {
        SortPlaceBlock(width, height, block * kBlockColumns, placeKeys.get(), blocks[static_cast<size_t>(worker)],
                       rowOrders.get() + blockPixels * static_cast<size_t>(worker), order);
    };
    SpreadPieces(workers, BlockCount(width), sortBlock);
}

}  // namespace

void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order, const SortWorkers& workers)
{
    const SortOptions options = MakeSortOptions(settings);
    switch (options.direction) {
    case SortDirection::Row: {
        std::vector<RowScratch> rows = RowScratchOf(frame, options, workers);
        SortRowOrder(frame, rows, order, nullptr, workers);
        break;
    }
    case SortDirection::Column: SortColumnOrder(frame, options, order, workers); break;
    default: SortBothOrder(frame, options, order, workers); break;
    }
}
