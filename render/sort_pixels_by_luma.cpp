// SortPixelsByLuma: orders a frame's pixels by luma key, darkest first, with a
// stable counting sort: the key takes only 255 values.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

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

PixelRows ChunkOf(const PixelRows& frame, int64_t chunkRows, size_t chunk)
{
    const int64_t firstRow = static_cast<int64_t>(chunk) * chunkRows;
    return PixelRows{RowAt(frame.first, frame.rowBytes, firstRow), frame.rowBytes, frame.width,
                     std::min(chunkRows, frame.height - firstRow), frame.order};
}

// Keys every pixel of the chunk once, row-major, and counts the pixels of each key.
void KeyChunk(const PixelRows& chunk, uint8_t* keys, KeyCounts& counts)
{
    KeyTallies tallies{};
    for (int64_t y = 0; y < chunk.height; ++y) {
        LumaKeysOfRow(RowAt(chunk.first, chunk.rowBytes, y), static_cast<size_t>(chunk.width), chunk.order,
                      keys + y * chunk.width, tallies);
    }
    for (size_t key = 0; key < kKeyValues; ++key) {
        counts[key] = 0;
        for (const KeyCounts& tally : tallies) counts[key] += tally[key];
    }
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

// Sorts the chunk into `buffer`, then appends each key's run to the sorted frame.
void PlaceChunk(const PixelRows& chunk, const uint8_t* keys, const KeyCounts& counts, Pixel* buffer,
                std::array<size_t, kKeyValues>& next, Pixel* sorted)
{
    KeyCounts fill;
    uint32_t start = 0;
    for (size_t key = 0; key < kKeyValues; ++key) {
        fill[key] = start;
        start += counts[key];
    }
    for (int64_t y = 0; y < chunk.height; ++y) {
        const Pixel* row = RowAt(chunk.first, chunk.rowBytes, y);
        for (int64_t x = 0; x < chunk.width; ++x, ++keys) buffer[fill[*keys]++] = row[x];
    }
    for (size_t key = 0; key < kKeyValues; ++key) {
        std::memcpy(sorted + next[key], buffer, counts[key] * sizeof(Pixel));
        buffer += counts[key];
        next[key] += counts[key];
    }
}

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
    // Keys are computed once per pixel and kept as one byte each, with their counts
    // per chunk; a frame of rows wider than a chunk takes one row per chunk.
    const int64_t chunkRows = std::max<int64_t>(1, kChunkPixels / std::max<int64_t>(1, frame.width));
    const size_t chunkCount = static_cast<size_t>((frame.height + chunkRows - 1) / chunkRows);
    const size_t chunkPixels = static_cast<size_t>(chunkRows * frame.width);
    const size_t bufferPixels = static_cast<size_t>(std::min(chunkRows, frame.height) * frame.width);
    std::unique_ptr<uint8_t[]> keys(new uint8_t[static_cast<size_t>(frame.width * frame.height)]);
    std::vector<KeyCounts> chunkCounts(chunkCount, KeyCounts{});
    std::unique_ptr<Pixel[]> buffer(new Pixel[bufferPixels]);

    for (size_t chunk = 0; chunk < chunkCount; ++chunk) {
        KeyChunk(ChunkOf(frame, chunkRows, chunk), keys.get() + chunk * chunkPixels, chunkCounts[chunk]);
    }
    std::array<size_t, kKeyValues> next = FirstPositions(chunkCounts);
    for (size_t chunk = 0; chunk < chunkCount; ++chunk) {
        PlaceChunk(ChunkOf(frame, chunkRows, chunk), keys.get() + chunk * chunkPixels, chunkCounts[chunk], buffer.get(),
                   next, sorted);
    }
}

void SortPixelsByLuma(Pixel* pixels, size_t count, PixelOrder order)
{
    std::unique_ptr<Pixel[]> sorted(new Pixel[count]);
    const int64_t length = static_cast<int64_t>(count);
    SortPixelsByLuma(PixelRows{pixels, length * int64_t{sizeof(Pixel)}, length, 1, order}, sorted.get());
    std::copy(sorted.get(), sorted.get() + count, pixels);
}
