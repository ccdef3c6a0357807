// Whole-frame orderings: the luma key's truncation, Simple Sort's order, and the
// shuffle's uniformity; both keep every pixel, alpha included.
#include <gtest/gtest.h>

#include <map>

#include "guarded_world.h"
#include "host_pixels.h"

namespace {

PF_Pixel Grey(int level, int alpha = 255)
{
    return PF_Pixel{uint8_t(alpha), uint8_t(level), uint8_t(level), uint8_t(level)};
}

TEST(LumaKey, TruncatesTheWeightedSum)
{
    EXPECT_EQ(LumaKey(Grey(255)), 254);
    for (int level : {5, 7, 10, 13, 14, 20}) EXPECT_EQ(LumaKey(Grey(level)), level - 1) << level;
    EXPECT_EQ(LumaKey(Grey(0)), 0);
    EXPECT_EQ(LumaKey(Grey(1)), 1);
    EXPECT_EQ(LumaKey(PF_Pixel{0, 255, 0, 0}), 54);
    EXPECT_EQ(LumaKey(Grey(200, 0)), LumaKey(Grey(200, 255)));
}

TEST(SortPixelsByLuma, PutsTheFrameInAscendingKeyOrder)
{
    std::vector<PF_Pixel> frame = RandomPixels(4096, 1);
    for (int level = 255; level >= 0; --level) frame.push_back(Grey(level, level % 2 ? 0 : 255));
    const std::vector<PF_Pixel> input = frame;

    SortPixelsByLuma(frame.data(), frame.size());

    EXPECT_EQ(PixelMultiset(frame), PixelMultiset(input));
    for (size_t i = 1; i < frame.size(); ++i) ASSERT_LE(LumaKey(frame[i - 1]), LumaKey(frame[i])) << i;
    EXPECT_EQ(LumaKey(frame.back()), 254);
}

TEST(WholeFrameOrderings, LeaveEmptyAndSinglePixelFramesAlone)
{
    const PF_Pixel only{7, 8, 9, 10};
    PF_Pixel frame[1] = {only};
    SortPixelsByLuma(frame, 1);
    ShufflePixels(frame, 1);
    EXPECT_TRUE(frame[0] == only);
    SortPixelsByLuma(nullptr, 0);
    ShufflePixels(static_cast<PF_Pixel*>(nullptr), 0);
}

TEST(ShufflePixels, KeepsEveryPixel)
{
    std::vector<PF_Pixel> frame = RandomPixels(10000, 2);
    const std::vector<PF_Pixel> input = frame;
    ShufflePixels(frame.data(), frame.size());
    EXPECT_EQ(PixelMultiset(frame), PixelMultiset(input));
    EXPECT_NE(frame, input);
}

TEST(ShufflePixels, GivesEveryOrderOfFourPixelsEqually)
{
    constexpr int kShuffles = 48000;
    std::map<std::vector<int>, int> seen;
    for (int i = 0; i < kShuffles; ++i) {
        PF_Pixel frame[4] = {Grey(0), Grey(1), Grey(2), Grey(3)};
        ShufflePixels(frame, 4);
        ++seen[{frame[0].red, frame[1].red, frame[2].red, frame[3].red}];
    }
    ASSERT_EQ(seen.size(), 24u);
    const double expected = kShuffles / 24.0;
    double chiSquare = 0;
    for (const auto& order : seen) chiSquare += (order.second - expected) * (order.second - expected) / expected;
    // 23 degrees of freedom: 70 is passed by chance far less than once in a million.
    EXPECT_LT(chiSquare, 70.0);
}

}  // namespace
