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

// Every pixel's key, one byte each in row-major order, and the pixels of each key
// in each chunk.
struct FrameKeys {
    std::unique_ptr<uint8_t[]> keys;
    std::vector<KeyCounts> chunkCounts;
};

// Keys every pixel once, keyRow(y, keys, tallies) keying row y.
template <typename KeyRow>
FrameKeys KeyFrame(int64_t width, int64_t height, KeyRow keyRow)
{
    const int64_t chunkRows = ChunkRowsOf(width);
    FrameKeys frame{std::unique_ptr<uint8_t[]>(new uint8_t[static_cast<size_t>(width * height)]),
                    std::vector<KeyCounts>(static_cast<size_t>((height + chunkRows - 1) / chunkRows))};
    for (size_t chunk = 0; chunk < frame.chunkCounts.size(); ++chunk) {
        const int64_t firstRow = static_cast<int64_t>(chunk) * chunkRows;
        KeyTallies tallies{};
        for (int64_t y = firstRow; y < std::min(height, firstRow + chunkRows); ++y) {
            keyRow(y, frame.keys.get() + y * width, tallies);
        }
        for (size_t key = 0; key < kKeyValues; ++key) {
            frame.chunkCounts[chunk][key] = 0;
            for (const KeyCounts& tally : tallies) frame.chunkCounts[chunk][key] += tally[key];
        }
    }
    return frame;
}

// Where the first pixel of each key goes in the sorted frame.
std::array<size_t, kKeyValues> FirstPositions(const std::vector<KeyCounts>& chunkCounts)
{
    std::array<size_t, kKeyValues> positions{};
    size_t position = 0;
    for (size_t key = 0; key < kKeyValues; ++key) {
        positions[key] = position;
        for (const KeyCounts& counts : chunkCounts) position += counts[key];
    }
    return positions;
}

// Sorts a chunk's elements (rowAt(y)[x] for each of its pixels) into `buffer`,
// then appends each key's run to the sorted frame.
template <typename Element, typename RowElements>
void PlaceChunk(int64_t firstRow, int64_t rows, int64_t width, RowElements rowAt, const uint8_t* keys,
                const KeyCounts& counts, Element* buffer, std::array<size_t, kKeyValues>& next, Element* sorted)
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
        std::memcpy(sorted + next[key], buffer, counts[key] * sizeof(Element));
        buffer += counts[key];
        next[key] += counts[key];
    }
}

// Keys the frame with keyRow, then writes its elements (rowAt(y)[x]) to `sorted`
// in key order, taking all its memory before writing any.
template <typename Element, typename KeyRow, typename RowElements>
void SortByLuma(int64_t width, int64_t height, KeyRow keyRow, RowElements rowAt, Element* sorted)
{
    const int64_t chunkRows = ChunkRowsOf(width);
    const FrameKeys frame = KeyFrame(width, height, keyRow);
    std::unique_ptr<Element[]> buffer(new Element[static_cast<size_t>(std::min(chunkRows, height) * width)]);
    std::array<size_t, kKeyValues> next = FirstPositions(frame.chunkCounts);
    for (size_t chunk = 0; chunk < frame.chunkCounts.size(); ++chunk) {
        const int64_t firstRow = static_cast<int64_t>(chunk) * chunkRows;
        PlaceChunk(firstRow, std::min(chunkRows, height - firstRow), width, rowAt, frame.keys.get() + firstRow * width,
                   frame.chunkCounts[chunk], buffer.get(), next, sorted);
    }
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

void SortPixelsByLuma(const PixelRows& frame, Pixel* sorted)
{
    const size_t width = static_cast<size_t>(frame.width);
    SortByLuma(
        frame.width, frame.height,
        [&](int64_t y, uint8_t* keys, KeyTallies& tallies) {
            LumaKeysOfRow(RowAt(frame.first, frame.rowBytes, y), width, frame.order, keys, tallies);
        },
        [&](int64_t y) { return RowAt(frame.first, frame.rowBytes, y); }, sorted);
}

void SortIndicesByLuma(const DeepFrame& frame, uint32_t* order)
{
    const size_t width = static_cast<size_t>(frame.width);
    std::unique_ptr<Pixel[]> row(new Pixel[width]);
    SortByLuma(
        frame.width, frame.height,
        [&](int64_t y, uint8_t* keys, KeyTallies& tallies) {
            EightBitRgbaPixels(frame, 0, y, frame.width, row.get());
            LumaKeysOfRow(row.get(), width, PixelOrder::Rgba, keys, tallies);
        },
        [&](int64_t y) { return IndexRow{static_cast<uint32_t>(y * frame.width)}; }, order);
}

void SortPixelsByLuma(Pixel* pixels, size_t count, PixelOrder order)
{
    std::unique_ptr<Pixel[]> sorted(new Pixel[count]);
    const int64_t length = static_cast<int64_t>(count);
    SortPixelsByLuma(PixelRows{pixels, length * int64_t{sizeof(Pixel)}, length, 1, order}, sorted.get());
    std::copy(sorted.get(), sorted.get() + count, pixels);
}
