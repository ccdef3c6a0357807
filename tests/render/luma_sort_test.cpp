// Simple Sort as a stable sort by LumaKey: over every colour there is, through rows
// with gaps, and over frames cut into chunks in every way the sort cuts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "guarded_world.h"
#include "host_pixels.h"

namespace {

// What Simple Sort must give: the pixels in ascending LumaKey, ties in frame order.
std::vector<PF_Pixel> StableSortedByLuma(std::vector<PF_Pixel> pixels)
{
    std::stable_sort(pixels.begin(), pixels.end(),
                     [](const PF_Pixel& a, const PF_Pixel& b) { return LumaKey(a) < LumaKey(b); });
    return pixels;
}

uint32_t ColourCode(const PF_Pixel& pixel)
{
    return uint32_t(pixel.red) << 16 | uint32_t(pixel.green) << 8 | pixel.blue;
}

TEST(SimpleSort, OrdersEveryColourByLumaKeyWithTiesInFrameOrder)
{
    // All 2^24 colours in ascending code, 4096 to a row, each row followed by a gap
    // of two pixels that must never be read.
    constexpr int kSide = 4096, kGap = 2;
    std::vector<PF_Pixel> rows(size_t(kSide) * (kSide + kGap), Canary());
    for (uint32_t code = 0; code < (1u << 24); ++code) {
        rows[code / kSide * (kSide + kGap) + code % kSide] =
            PF_Pixel{uint8_t(code), uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)};
    }
    std::vector<PF_Pixel> sorted(size_t(kSide) * kSide);
    SortPixelsByLuma(PixelRows{AsPixels(rows.data()), (kSide + kGap) * 4, kSide, kSide, PixelOrder::Argb},
                     AsPixels(sorted.data()));

    std::vector<bool> seen(1u << 24);
    for (size_t i = 0; i < sorted.size(); ++i) {
        const uint32_t code = ColourCode(sorted[i]);
        ASSERT_EQ(sorted[i].alpha, uint8_t(code)) << i;  // alpha travelled with its pixel
        ASSERT_FALSE(seen[code]) << i;
        seen[code] = true;
        if (i == 0) continue;
        const int32_t before = LumaKey(sorted[i - 1]), here = LumaKey(sorted[i]);
        ASSERT_LE(before, here) << i;
        if (before == here) {
            ASSERT_LT(ColourCode(sorted[i - 1]), code) << i;
        }
    }
    EXPECT_EQ(LumaKey(sorted.back()), 254);
}

TEST(SimpleSort, EqualsAStableSortWhateverTheFrameShape)
{
    struct Shape {
        int width, height, gap;
    };
    // Rows wider than a chunk of the sort, chunks that do not divide the height, a
    // single row, a single column, and a frame small enough for one chunk.
    const Shape shapes[] = {{70001, 3, 1}, {300, 500, 3}, {5000, 1, 0}, {1, 3000, 2}, {17, 11, 0}};
    unsigned seed = 10;
    for (const Shape& shape : shapes) {
        const std::vector<PF_Pixel> frame = RandomPixels(size_t(shape.width) * shape.height, ++seed);
        std::vector<PF_Pixel> rows;
        for (int y = 0; y < shape.height; ++y) {
            rows.insert(rows.end(), frame.begin() + y * shape.width, frame.begin() + (y + 1) * shape.width);
            rows.insert(rows.end(), shape.gap, Canary());
        }
        std::vector<PF_Pixel> sorted(frame.size());
        SortPixelsByLuma(PixelRows{AsPixels(rows.data()), int64_t(shape.width + shape.gap) * 4, shape.width,
                                   shape.height, PixelOrder::Argb},
                         AsPixels(sorted.data()));
        EXPECT_EQ(sorted, StableSortedByLuma(frame)) << shape.width << " x " << shape.height;

        // The same frame in the engine's byte order sorts to the same pixels.
        std::vector<Pixel> rgbaRows(rows.size()), rgbaSorted(frame.size()), backInHostOrder(frame.size());
        ReorderPixels(AsPixels(rows.data()), PixelOrder::Argb, rgbaRows.data(), PixelOrder::Rgba, rows.size());
        SortPixelsByLuma(PixelRows{rgbaRows.data(), int64_t(shape.width + shape.gap) * 4, shape.width, shape.height,
                                   PixelOrder::Rgba},
                         rgbaSorted.data());
        ReorderPixels(rgbaSorted.data(), PixelOrder::Rgba, backInHostOrder.data(), PixelOrder::Argb, frame.size());
        EXPECT_EQ(0, std::memcmp(backInHostOrder.data(), sorted.data(), 4 * frame.size()))
            << "RGBA, " << shape.width << " x " << shape.height;

        std::vector<PF_Pixel> inPlace = frame;
        SortPixelsByLuma(inPlace.data(), inPlace.size());
        EXPECT_EQ(inPlace, sorted) << shape.width << " x " << shape.height;
    }
}

}  // namespace
