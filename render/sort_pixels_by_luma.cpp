// SortPixelsByLuma and SortIndicesByLuma: order a frame's pixels, or their
// indices, by luma key, darkest first, with one stable counting sort: the key
// takes only 255 values.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "deep_frame.h"
#include "luma_keys.h"
#include "orderings.h"

namespace {

constexpr double kRedWeight = 0.2126;
constexpr double kGreenWeight = 0.7152;
constexpr double kBlueWeight = 0.0722;

// Scattering pixels straight to 255 places across a large frame misses the cache
// and the address translation at nearly every key change. So the frame is sorted a
// chunk of whole rows at a time into a buffer that stays in cache, and each key's
// pixels of the chunk go to their place in the sorted frame as one run.
constexpr int64_t kChunkPixels = int64_t{1} << 16;

int64_t ChunkRowsOf(int64_t width)
{
    return std::max<int64_t>(1, kChunkPixels / std::max<int64_t>(1, width));
}

using KeyPositions = std::array<size_t, kKeyValues>;

// Every pixel's key, one byte each in row-major order, the pixels of each key in
// each chunk, and where each chunk's first pixel of each key goes in the sorted
// frame.
struct FrameKeys {
    FrameKeys(int64_t width, int64_t height, int64_t chunkRows)
        : keys(new uint8_t[static_cast<size_t>(width * height)]),
          chunkCounts(static_cast<size_t>((height + chunkRows - 1) / chunkRows)),
          chunkStarts(chunkCounts.size())
    {}

    // Keys in ascending order, and within a key the chunks in frame order: so
    // equal keys keep their frame order.
    void FindChunkStarts()
    {
        size_t position = 0;
        for (size_t key = 0; key < kKeyValues; ++key) {
            for (size_t chunk = 0; chunk < chunkCounts.size(); ++chunk) {
                chunkStarts[chunk][key] = position;
                position += chunkCounts[chunk][key];
            }
        }
    }

    std::unique_ptr<uint8_t[]> keys;
    std::vector<KeyCounts> chunkCounts;
    std::vector<KeyPositions> chunkStarts;
};

// Keys the rows of one chunk, keyRow(y, keys, tallies, worker) keying row y, and
// counts its pixels of each key.
template <typename KeyRow>
void KeyChunk(int64_t firstRow, int64_t endRow, int64_t width, KeyRow& keyRow, int32_t worker, uint8_t* keys,
              KeyCounts& counts)
{
    KeyTallies tallies{};
    for (int64_t y = firstRow; y < endRow; ++y) keyRow(y, keys + y * width, tallies, worker);
    for (size_t key = 0; key < kKeyValues; ++key) {
        counts[key] = 0;
        for (const KeyCounts& tally : tallies) counts[key] += tally[key];
    }
}

// Sorts a chunk's elements (rowAt(y)[x] for each of its pixels) into `buffer`,
// then writes each key's run to its place in the sorted frame.
template <typename Element, typename RowElements>
void PlaceChunk(int64_t firstRow, int64_t rows, int64_t width, RowElements& rowAt, const uint8_t* keys,
                const KeyCounts& counts, const KeyPositions& starts, Element* buffer, Element* sorted)
{
    KeyCounts fill;
    uint32_t start = 0;
    for (size_t key = 0; key < kKeyValues; ++key) {
        fill[key] = start;
        start += counts[key];
    }
    for (int64_t y = firstRow; y < firstRow + rows; ++y) {
        const auto row = rowAt(y);
        for (int64_t x = 0; x < width; ++x, ++keys) buffer[fill[*keys]++] = row[x];
    }
    for (size_t key = 0; key < kKeyValues; ++key) {
        std::memcpy(sorted + starts[key], buffer, counts[key] * sizeof(Element));
        buffer += counts[key];
    }
}

// Keys the frame with keyRow, then writes its elements (rowAt(y)[x]) to `sorted`
// in key order, taking all its memory before writing any. Chunks are keyed and
// placed on their own, so both steps are shared out among the workers by chunk,
// each worker placing through a buffer of its own.
template <typename Element, typename KeyRow, typename RowElements>
void SortByLuma(int64_t width, int64_t height, KeyRow keyRow, RowElements rowAt, Element* sorted,
                const SortWorkers& workers)
{
    const int64_t chunkRows = ChunkRowsOf(width);
    const size_t bufferSize = static_cast<size_t>(std::min(chunkRows, height) * width);
    FrameKeys frame(width, height, chunkRows);
    std::unique_ptr<Element[]> buffers(new Element[bufferSize * static_cast<size_t>(WorkerCountOf(workers))]);
    const int64_t chunkCount = static_cast<int64_t>(frame.chunkCounts.size());
    auto keyChunk = [&](int64_t chunk, int32_t worker) {
        KeyChunk(chunk * chunkRows, std::min(height, (chunk + 1) * chunkRows), width, keyRow, worker, frame.keys.get(),
                 frame.chunkCounts[static_cast<size_t>(chunk)]);
    };
    SpreadPieces(workers, chunkCount, keyChunk);
    if (StopAsked(workers)) return;
    frame.FindChunkStarts();
    auto placeChunk = [&](int64_t chunk, int32_t worker) {
        const int64_t firstRow = chunk * chunkRows;
        PlaceChunk(firstRow, std::min(chunkRows, height - firstRow), width, rowAt, frame.keys.get() + firstRow * width,
                   frame.chunkCounts[static_cast<size_t>(chunk)], frame.chunkStarts[static_cast<size_t>(chunk)],
                   buffers.get() + bufferSize * static_cast<size_t>(worker), sorted);
    };
    SpreadPieces(workers, chunkCount, placeChunk);
}

// The row-major indices of a row's pixels, as a row of elements.
struct IndexRow {
    uint32_t first;
    uint32_t operator[](int64_t x) const { return first + static_cast<uint32_t>(x); }
};

}  // namespace

int32_t LumaKey(unsigned char red, unsigned char green, unsigned char blue)
{
    // The grouping and the truncation are part of the key: pure white sums to just
    // under 255 and keys as 254, and some greys key one below their level.
    const double luma = (kRedWeight * red + kGreenWeight * green) + kBlueWeight * blue;
    return static_cast<int32_t>(luma);
}

void SortPixelsByLuma(const PixelRows& frame, Pixel* sorted, const SortWorkers& workers)
{
    const size_t width = static_cast<size_t>(frame.width);
    SortByLuma(
        frame.width, frame.height,
        [&](int64_t y, uint8_t* keys, KeyTallies& tallies, int32_t) {
            LumaKeysOfRow(RowAt(frame.first, frame.rowBytes, y), width, frame.order, keys, tallies);
        },
        [&](int64_t y) { return RowAt(frame.first, frame.rowBytes, y); }, sorted, workers);
}

void SortIndicesByLuma(const DeepFrame& frame, uint32_t* order, const SortWorkers& workers)
{
    const size_t width = static_cast<size_t>(frame.width);
    // A row of 8-bit values a worker.
    std::unique_ptr<Pixel[]> rows(new Pixel[width * static_cast<size_t>(WorkerCountOf(workers))]);
    SortByLuma(
        frame.width, frame.height,
        [&](int64_t y, uint8_t* keys, KeyTallies& tallies, int32_t worker) {
            Pixel* row = rows.get() + width * static_cast<size_t>(worker);
            EightBitRgbaPixels(frame, 0, y, frame.width, row);
            LumaKeysOfRow(row, width, PixelOrder::Rgba, keys, tallies);
        },
        [&](int64_t y) { return IndexRow{static_cast<uint32_t>(y * frame.width)}; }, order, workers);
}

void SortPixelsByLuma(Pixel* pixels, size_t count, PixelOrder order)
{
    std::unique_ptr<Pixel[]> sorted(new Pixel[count]);
    const int64_t length = static_cast<int64_t>(count);
    SortPixelsByLuma(PixelRows{pixels, length * int64_t{sizeof(Pixel)}, length, 1, order}, sorted.get());
    std::copy(sorted.get(), sorted.get() + count, pixels);
}
