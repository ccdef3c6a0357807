// Keys and comparators: the documented key values, and each comparator's
// selected key and order checked against the keys' definitions.
#include <gtest/gtest.h>

#include "line_sort_internal.h"
#include "test_frames.h"

namespace {

int Sign(int64_t value)
{
    return (value > 0) - (value < 0);
}

TEST(Keys, DocumentedValues)
{
    const Pixel almostBlack{1, 1, 0, 0}, dim{2, 2, 1, 0}, white{255, 255, 255, 0}, yellow{255, 255, 0, 0},
        grey7{7, 7, 7, 0};
    EXPECT_EQ(KeyAverage(almostBlack.data()), 0);
    EXPECT_EQ(KeyAverage(dim.data()), 1);
    EXPECT_EQ(KeyXor(white.data()), 255);
    EXPECT_EQ(KeyXor(yellow.data()), 0);
    EXPECT_EQ(KeyProduct(grey7.data()), 343);
    EXPECT_EQ(KeyProduct(white.data()), 255 * 255 * 255);
}

// Every comparator value, out-of-range ones included, selects a key and its twin
// comparator that agree with the key's definition on random pixels.
TEST(Keys, SelectedKeyAndComparatorFollowDefinition)
{
    std::mt19937 random(7);
    Frame pixels = RandomFrame(random, 2000, false);
    const Frame fewValues = RandomFrame(random, 2000, true);
    pixels.insert(pixels.end(), fewValues.begin(), fewValues.end());
    const SortImage image{nullptr, 3, 2, 4};
    for (int32_t value : {0, 1, 2, 3, 4, 5, -1, 1000}) {
        const auto comparator = static_cast<SortComparator>(value);
        const SortOptions options{SortDirection::Row, comparator, SortMode::AllPixels, 0};
        LineSorter* pass = MakeLineSorter(image, options, SortDirection::Row);
        ASSERT_NE(pass, nullptr);
        for (size_t i = 0; i + 1 < pixels.size(); ++i) {
            const Pixel& a = pixels[i];
            const Pixel& b = pixels[i + 1];
            const int32_t keyA = ReferenceKey(comparator, a), keyB = ReferenceKey(comparator, b);
            ASSERT_EQ(pass->keyFunction(a.data()), keyA) << "comparator " << value;
            ASSERT_EQ(Sign(pass->compareFunction(a.data(), b.data())), Sign(int64_t{keyA} - keyB))
                << "comparator " << value;
        }
        FreeLineSorters(pass);
    }
}

// "Min" orders by the largest colour byte and "Max" by the smallest.
TEST(Keys, MinAndMaxAreSwapped)
{
    const Frame redThenGrey{{200, 10, 10, 1}, {100, 100, 100, 2}};
    const Frame greyThenRed{redThenGrey[1], redThenGrey[0]};
    const SortOptions min{SortDirection::Row, SortComparator::Min, SortMode::AllPixels, 0};
    const SortOptions max{SortDirection::Row, SortComparator::Max, SortMode::AllPixels, 0};
    EXPECT_EQ(SortedCopy(redThenGrey, 2, 1, min), greyThenRed);
    EXPECT_EQ(SortedCopy(greyThenRed, 2, 1, max), redThenGrey);
}

}  // namespace
