// SortLines on many random small frames, with every option combination and
// random thresholds: each pass must leave every pixel that does not qualify in
// place, and turn every maximal run of qualifying pixels (judged on the keys
// before the pass) into an ascending permutation of itself, all four bytes kept.
#include <gtest/gtest.h>

#include <sstream>

#include "test_frames.h"

namespace {

::testing::AssertionResult RunSortedInPlace(Frame before, Frame after, const SortOptions& options) {
    for (size_t i = 1; i < after.size(); ++i) {
        if (ReferenceKey(options.comparator, after[i - 1]) > ReferenceKey(options.comparator, after[i])) {
            return ::testing::AssertionFailure() << "run not ascending at " << i;
        }
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    if (before != after) {
        return ::testing::AssertionFailure() << "run pixels are not those it held before";
    }
    return ::testing::AssertionSuccess();
}

// One pass along the rows or columns of a width x height frame took before to after.
::testing::AssertionResult LinePassHolds(const Frame& before, const Frame& after, uint32_t width,
                                         uint32_t height, SortDirection lines,
                                         const SortOptions& options) {
    const bool rows = lines == SortDirection::Row;
    const uint32_t lineCount = rows ? height : width;
    const uint32_t lineLength = rows ? width : height;
    for (uint32_t line = 0; line < lineCount; ++line) {
        const auto index = [&](uint32_t i) { return rows ? line * width + i : i * width + line; };
        for (uint32_t i = 0; i < lineLength;) {
            if (!QualifiesForRun(options, before[index(i)])) {
                if (after[index(i)] != before[index(i)]) {
                    return ::testing::AssertionFailure() << "line " << line << ": pixel " << i << " moved";
                }
                ++i;
                continue;
            }
            Frame runBefore, runAfter;
            for (; i < lineLength && QualifiesForRun(options, before[index(i)]); ++i) {
                runBefore.push_back(before[index(i)]);
                runAfter.push_back(after[index(i)]);
            }
            ::testing::AssertionResult run = RunSortedInPlace(runBefore, runAfter, options);
            if (!run) {
                return run << " (line " << line << ", run ending at " << i << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

int32_t RandomThreshold(std::mt19937& random) {
    const int32_t special[] = {-1, 0, 45, 254, 255, 256};
    switch (random() % 4) {
    case 0:
        return special[random() % 6];
    case 1:
        return std::uniform_int_distribution<int32_t>(-300, 600)(random);
    case 2:
        return std::uniform_int_distribution<int32_t>(-1000, 17000000)(random);
    default:
        return static_cast<int32_t>(random());
    }
}

TEST(SortLinesProperty, EveryPassSortsRunsAndKeepsTheRest) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<uint32_t> side(0, 9);
    for (int frameNumber = 0; frameNumber < 300; ++frameNumber) {
        const uint32_t width = side(random), height = side(random);
        const Frame before = RandomFrame(random, size_t{width} * height, frameNumber % 2 == 1);
        const int32_t threshold = RandomThreshold(random);
        for (int32_t comparator = 0; comparator < 5; ++comparator) {
            for (int32_t mode = 0; mode < 3; ++mode) {
                SortOptions options{SortDirection::Row, static_cast<SortComparator>(comparator),
                                    static_cast<SortMode>(mode), threshold};
                std::ostringstream context;
                context << "frame " << frameNumber << " (" << width << "x" << height
                        << "), comparator " << comparator << ", mode " << mode
                        << ", threshold " << threshold;
                const Frame rowsSorted = SortedCopy(before, width, height, options);
                ASSERT_TRUE(LinePassHolds(before, rowsSorted, width, height, SortDirection::Row, options))
                    << context.str() << ", rows";
                options.direction = SortDirection::Column;
                ASSERT_TRUE(LinePassHolds(before, SortedCopy(before, width, height, options), width,
                                          height, SortDirection::Column, options))
                    << context.str() << ", columns";
                options.direction = SortDirection::Both;
                ASSERT_TRUE(LinePassHolds(rowsSorted, SortedCopy(before, width, height, options),
                                          width, height, SortDirection::Column, options))
                    << context.str() << ", both";
            }
        }
    }
}

}  // namespace
