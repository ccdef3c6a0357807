// SortLines on many random small frames, with every option combination and
// random thresholds: each pass must leave every pixel that does not qualify in
// place, and turn every maximal run of qualifying pixels (judged on the keys
// before the pass) into an ascending permutation of itself, all four bytes kept.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "line_runs.h"
#include "test_frames.h"

namespace {

// One pass along the rows or columns of a width x height frame took before to after.
::testing::AssertionResult LinePassHolds(const Frame& before, const Frame& after, uint32_t width, uint32_t height,
                                         SortDirection lines, const SortOptions& options)
{
    const std::string problem = LinePassProblem(
        before, after, width, height, lines == SortDirection::Row,
        [&](const Pixel& p) { return QualifiesForRun(options, p); },
        [&](const Pixel& p) { return ReferenceKey(options.comparator, p); });
    if (!problem.empty()) {
        return ::testing::AssertionFailure() << problem;
    }
    return ::testing::AssertionSuccess();
}

int32_t RandomThreshold(std::mt19937& random)
{
    const int32_t special[] = {-1, 0, 45, 254, 255, 256};
    switch (random() % 4) {
    case 0: return special[random() % 6];
    case 1: return std::uniform_int_distribution<int32_t>(-300, 600)(random);
    case 2: return std::uniform_int_distribution<int32_t>(-1000, 17000000)(random);
    default: return static_cast<int32_t>(random());
    }
}

TEST(SortLinesProperty, EveryPassSortsRunsAndKeepsTheRest)
{
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
                context << "frame " << frameNumber << " (" << width << "x" << height << "), comparator " << comparator
                        << ", mode " << mode << ", threshold " << threshold;
                const Frame rowsSorted = SortedCopy(before, width, height, options);
                ASSERT_TRUE(LinePassHolds(before, rowsSorted, width, height, SortDirection::Row, options))
                    << context.str() << ", rows";
                options.direction = SortDirection::Column;
                ASSERT_TRUE(LinePassHolds(before, SortedCopy(before, width, height, options), width, height,
                                          SortDirection::Column, options))
                    << context.str() << ", columns";
                options.direction = SortDirection::Both;
                ASSERT_TRUE(LinePassHolds(rowsSorted, SortedCopy(before, width, height, options), width, height,
                                          SortDirection::Column, options))
                    << context.str() << ", both";
            }
        }
    }
}

}  // namespace
