// WriteArrangedWindow: a gather per pixel size, so that each pixel is one
// fixed-size copy. A source pixel's place comes from its index: a plain multiple
// for rows without gaps, else its row and column, split without a division.
#include "arranged_window.h"

#include <algorithm>
#include <cstring>

#include "shuffle_with.h"

namespace {

// index / width and index % width through a multiplication by 1 / width in
// doubles. Below 2^32 its error stays far under 1 / width, so the quotient is
// exact but where it should be whole and falls just short (as 49 * (1.0 / 49)
// does): then it is one too small, and is mended.
struct IndexSplit {
    explicit IndexSplit(int64_t width) : width(width), inverse(1.0 / static_cast<double>(width)) {}
    int64_t width;
    double inverse;

    int64_t Offset(uint32_t index, int64_t rowBytes, int64_t pixelBytes) const
    {
        int64_t row = static_cast<int64_t>(static_cast<double>(index) * inverse);
        int64_t column = int64_t{index} - row * width;
        if (column >= width) {
            ++row;
            column -= width;
        }
        return row * rowBytes + column * pixelBytes;
    }
};

// Where input pixel `index` lies, from the first pixel.
template <int64_t pixelBytes, bool gapless>
int64_t OffsetOf(uint32_t index, const IndexSplit& split, int64_t rowBytes)
{
    return gapless ? int64_t{index} * pixelBytes : split.Offset(index, rowBytes, pixelBytes);
}

// The sources lie anywhere in the frame (in a row sort, anywhere in their row),
// mostly a cache line each; each is fetched kFetchAhead pixels before it is
// copied, so that the misses of many pixels overlap (192 measured fastest at
// 3840 x 2160, about twice as fast as 16 for 16-byte pixels).
template <int64_t pixelBytes, bool gapless>
void Gather(const DeepFrame& input, const uint32_t* order, const FrameWindow& window, const DeepRowsOut& output)
{
    constexpr int64_t kFetchAhead = 192;
    const auto* first = static_cast<const unsigned char*>(input.first);
    const IndexSplit split(input.width);
    const int64_t rowBytes = input.rowBytes, x0 = window.x0, x1 = window.x1;
    for (int64_t y = window.y0; y < window.y1; ++y) {
        const uint32_t* indices = order + y * input.width;
        unsigned char* to = static_cast<unsigned char*>(output.first) + (y - window.y0) * output.rowBytes;
        for (int64_t x = x0; x < x1; ++x, to += pixelBytes) {
            if (x + kFetchAhead < x1) {
                PrefetchPixel(first + OffsetOf<pixelBytes, gapless>(indices[x + kFetchAhead], split, rowBytes));
            }
            std::memcpy(to, first + OffsetOf<pixelBytes, gapless>(indices[x], split, rowBytes), pixelBytes);
        }
    }
}

template <int64_t pixelBytes>
void GatherRows(const DeepFrame& input, const uint32_t* order, const FrameWindow& window, const DeepRowsOut& output)
{
    if (input.rowBytes == input.width * pixelBytes) {
        Gather<pixelBytes, true>(input, order, window, output);
    } else {
        Gather<pixelBytes, false>(input, order, window, output);
    }
}

void WriteRows(const DeepFrame& input, const uint32_t* order, const FrameWindow& window, const DeepRowsOut& output)
{
    switch (PixelBytesOf(input)) {
    case 3: GatherRows<3>(input, order, window, output); break;
    case 4: GatherRows<4>(input, order, window, output); break;
    case 6: GatherRows<6>(input, order, window, output); break;
    case 8: GatherRows<8>(input, order, window, output); break;
    case 12: GatherRows<12>(input, order, window, output); break;
    default: GatherRows<16>(input, order, window, output); break;
    }
}

}  // namespace

void WriteArrangedWindow(const DeepFrame& input, const uint32_t* order, const FrameWindow& window,
                         const DeepRowsOut& output, const SortWorkers& workers)
{
    // Rows written between two asks whether to stop.
    constexpr int64_t kBandRows = 32;
    auto writeBand = [&](int64_t band, int32_t) {
        const int64_t y0 = window.y0 + band * kBandRows;
        const FrameWindow rows{window.x0, y0, window.x1, std::min(window.y1, y0 + kBandRows)};
        WriteRows(input, order, rows,
                  DeepRowsOut{static_cast<unsigned char*>(output.first) + band * kBandRows * output.rowBytes,
                              output.rowBytes});
    };
    SpreadPieces(workers, (window.y1 - window.y0 + kBandRows - 1) / kBandRows, writeBand);
}
