// SortLines on hand-made frames: the worked examples of each mode, Multiply
// against a threshold of 255, the order of the two passes of Both, out-of-range
// option values and empty frames.
#include <gtest/gtest.h>

#include <random>

#include "test_frames.h"

namespace {

const std::vector<int32_t> kWorkedLine{10, 90, 60, 80, 45, 70, 50, 20};

// Sorts a line of grey pixels by Average, once as a row and once as a column,
// and returns the keys after each.
std::vector<std::vector<int32_t>> SortGreyLine(const std::vector<int32_t>& keys, SortMode mode, int32_t threshold)
{
    const auto n = static_cast<uint32_t>(keys.size());
    const SortOptions rows{SortDirection::Row, SortComparator::Average, mode, threshold};
    const SortOptions columns{SortDirection::Column, SortComparator::Average, mode, threshold};
    return {KeysOf(SortedCopy(GreyPixels(keys), n, 1, rows), SortComparator::Average),
            KeysOf(SortedCopy(GreyPixels(keys), 1, n, columns), SortComparator::Average)};
}

TEST(SortLinesExamples, WorkedLines)
{
    using Keys = std::vector<int32_t>;
    const Keys highlights{10, 60, 80, 90, 45, 50, 70, 20};
    const Keys whole{10, 20, 45, 50, 60, 70, 80, 90};
    const Keys shadowsAfter{10, 20, 30, 45, 5, 40, 90, 0};
    for (const Keys& after : SortGreyLine(kWorkedLine, SortMode::Highlights, 45)) {
        EXPECT_EQ(after, highlights);
    }
    for (const Keys& after : SortGreyLine(kWorkedLine, SortMode::Shadows, 45)) {
        EXPECT_EQ(after, kWorkedLine);
    }
    for (const Keys& after : SortGreyLine(kWorkedLine, SortMode::AllPixels, 45)) {
        EXPECT_EQ(after, whole);
    }
    for (const Keys& after : SortGreyLine({30, 10, 20, 45, 40, 5, 90, 0}, SortMode::Shadows, 45)) {
        EXPECT_EQ(after, shadowsAfter);
    }
}

// The product key is compared with the threshold unscaled: (7, 7, 7) has key 343
// and lies above 255, while a pixel with a zero byte has key 0.
TEST(SortLinesExamples, MultiplyAgainstThreshold255)
{
    const Pixel p512{8, 8, 8, 1}, p343{7, 7, 7, 2}, zeroByte{255, 0, 255, 3}, white{255, 255, 255, 4},
        other343{7, 7, 7, 5};
    const Frame line{p512, p343, zeroByte, white, other343};
    const SortOptions highlights{SortDirection::Row, SortComparator::Multiply, SortMode::Highlights, 255};
    EXPECT_EQ(SortedCopy(line, 5, 1, highlights), (Frame{p343, p512, zeroByte, other343, white}));
    const SortOptions atZero{SortDirection::Row, SortComparator::Multiply, SortMode::Highlights, 0};
    EXPECT_EQ(SortedCopy(line, 5, 1, atZero)[2], zeroByte);
}

// Rows first: 1 3 / 2 0 becomes 1 3 / 0 2, then by columns 0 2 / 1 3 (columns
// first would end as 0 1 / 2 3).
TEST(SortLinesExamples, BothSortsRowsThenColumns)
{
    const SortOptions both{SortDirection::Both, SortComparator::Average, SortMode::AllPixels, 0};
    const Frame after = SortedCopy(GreyPixels({1, 3, 2, 0}), 2, 2, both);
    EXPECT_EQ(KeysOf(after, SortComparator::Average), (std::vector<int32_t>{0, 2, 1, 3}));
}

// Each out-of-range value must act as its fallback and not as any other value.
TEST(SortLinesExamples, OutOfRangeOptionsActAsLastRow)
{
    std::mt19937 random(11);
    const Frame frame = RandomFrame(random, 7 * 6, false);
    const auto sorted = [&frame](int32_t direction, int32_t comparator, int32_t mode) {
        const SortOptions options{static_cast<SortDirection>(direction), static_cast<SortComparator>(comparator),
                                  static_cast<SortMode>(mode), 100};
        return SortedCopy(frame, 7, 6, options);
    };
    const Frame bothXorAll = sorted(2, 4, 0);
    EXPECT_EQ(sorted(7, 4, 0), bothXorAll);
    EXPECT_EQ(sorted(2, 5, 0), bothXorAll);
    EXPECT_EQ(sorted(2, 4, 9), bothXorAll);
    EXPECT_EQ(sorted(-1, -1, -1), bothXorAll);
    for (int32_t other = 0; other < 4; ++other) {
        EXPECT_NE(sorted(2, other, 0), bothXorAll) << "comparator " << other;
    }
    EXPECT_NE(sorted(0, 4, 0), bothXorAll);
    EXPECT_NE(sorted(1, 4, 0), bothXorAll);
    EXPECT_NE(sorted(2, 4, 1), bothXorAll);
    EXPECT_NE(sorted(2, 4, 2), bothXorAll);
}

TEST(SortLinesExamples, EmptyFrameIsLeftUntouched)
{
    std::mt19937 random(13);
    const Frame sentinel = RandomFrame(random, 16, false);
    const uint32_t sizes[][2] = {{0, 5}, {5, 0}, {0, 0}, {0xFFFFFFFFu, 0}};
    for (int32_t direction = 0; direction < 3; ++direction) {
        for (int32_t mode = 0; mode < 3; ++mode) {
            const SortOptions options{static_cast<SortDirection>(direction), SortComparator::Average,
                                      static_cast<SortMode>(mode), 50};
            for (const auto& size : sizes) {
                EXPECT_EQ(SortedCopy(sentinel, size[0], size[1], options), sentinel);
                SortLines(SortImage{nullptr, size[0], size[1], 4}, options);
            }
        }
    }
}

}  // namespace
