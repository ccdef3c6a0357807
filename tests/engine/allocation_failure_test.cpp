// When the heap refuses one of the engine's blocks, the pass that needed it is
// left out and the frame keeps each pixel once. The engine takes all its memory
// with nothrow new, so this executable links the counting allocator, told to
// refuse the n-th nothrow request.
#include <gtest/gtest.h>

#include "counting_allocator.h"
#include "test_frames.h"

namespace {

int nothrowRequests = 0;  // nothrow requests of the last SortedWithRefusal

// The frame after a call of SortLines (or of `sort`) in which nothrow request number `refused`
// (or none, for -1) is refused; nothrowRequests then holds the call's requests.
template <typename Sort = decltype(SortedCopy)>
Frame SortedWithRefusal(const Frame& frame, uint32_t width, uint32_t height, const SortOptions& options, int refused,
                        Sort sort = SortedCopy)
{
    ArmAllocationFailure(refused + 1, CountedAllocations::NothrowOnly);
    Frame sorted = sort(frame, width, height, options);
    nothrowRequests = static_cast<int>(DisarmAllocationFailure());
    return sorted;
}

TEST(AllocationFailure, RefusedBlockLeavesItsPassOut)
{
    std::mt19937 random(5);
    const uint32_t width = 37, height = 23;  // two column blocks
    const Frame frame = RandomFrame(random, size_t{width} * height, false);
    SortOptions options{SortDirection::Row, SortComparator::Average, SortMode::AllPixels, 0};
    const Frame rowsOnly = SortedCopy(frame, width, height, options);
    options.direction = SortDirection::Column;
    const Frame columnsOnly = SortedCopy(frame, width, height, options);
    options.direction = SortDirection::Both;
    const Frame both = SortedWithRefusal(frame, width, height, options, -1);
    const int requests = nothrowRequests;
    ASSERT_GT(requests, 1);
    int leftOutRows = 0, leftOutColumns = 0;
    for (int refused = 0; refused < requests; ++refused) {
        const Frame sorted = SortedWithRefusal(frame, width, height, options, refused);
        EXPECT_NE(sorted, both) << "request " << refused << " refused, yet both passes ran";
        leftOutRows += sorted == columnsOnly;
        leftOutColumns += sorted == rowsOnly;
        EXPECT_TRUE(sorted == columnsOnly || sorted == rowsOnly) << "request " << refused;
        EXPECT_EQ(SortedWithRefusal(frame, width, height, options, refused, SortedFrom), sorted)
            << "SortLinesFrom, request " << refused;
    }
    EXPECT_GT(leftOutRows, 0);
    EXPECT_GT(leftOutColumns, 0);
}

// SortLinesFrom whose first pass is refused its memory still leaves the plain
// copy of its source (a Both call is covered above), and a RowSorter refused
// any of its blocks is not made.
TEST(AllocationFailure, RefusedFirstPassOfSortLinesFromLeavesTheCopy)
{
    std::mt19937 random(6);
    const uint32_t width = 37, height = 23;
    const Frame frame = RandomFrame(random, size_t{width} * height, false);
    for (const SortDirection direction : {SortDirection::Row, SortDirection::Column}) {
        const SortOptions options{direction, SortComparator::Multiply, SortMode::AllPixels, 0};
        ASSERT_NE(SortedWithRefusal(frame, width, height, options, -1, SortedFrom), frame);
        const int requests = nothrowRequests;
        for (int refused = 0; refused < requests; ++refused) {
            EXPECT_EQ(SortedWithRefusal(frame, width, height, options, refused, SortedFrom), frame)
                << "direction " << static_cast<int>(direction) << ", request " << refused;
        }
    }
    const SortOptions rows{SortDirection::Row, SortComparator::Average, SortMode::AllPixels, 0};
    const auto rowSorted = [&rows](const Frame& pixels, uint32_t w, uint32_t h, const SortOptions&) {
        const auto sorted = RowSorted(pixels, w, h, rows);
        return sorted ? *sorted : Frame{};
    };
    ASSERT_EQ(SortedWithRefusal(frame, width, height, rows, -1, rowSorted), SortedCopy(frame, width, height, rows));
    const int requests = nothrowRequests;
    ASSERT_GT(requests, 0);
    for (int refused = 0; refused < requests; ++refused) {
        EXPECT_EQ(SortedWithRefusal(frame, width, height, rows, refused, rowSorted), Frame{}) << "request " << refused;
    }
}

}  // namespace
