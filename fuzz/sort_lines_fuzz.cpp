// Fuzz target: SortLines on any frame up to 64 x 64 with any option values.
//
// Input: width, height (one byte each), direction, comparator, mode, threshold
// (four bytes each, any value), then the pixels. Each single pass is checked
// against the keys as they stood before it: every pixel outside a qualifying run
// stays, every run keeps its own pixels and comes out ascending. Any direction
// other than Row and Column must equal a row pass followed by a column pass.
// SortLinesFrom, and for rows a RowSorter, must give the bytes SortLines gives.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "line_sort.h"

namespace {

using Pixel = std::array<unsigned char, 4>;
using Line = std::vector<Pixel>;

struct Frame {
    uint32_t width;
    uint32_t height;
    std::vector<unsigned char> bytes;

    Pixel At(uint32_t x, uint32_t y) const
    {
        const size_t at = 4 * (size_t{y} * width + x);
        return {bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]};
    }
};

// Written from the option tables, not from the engine: the user's Min orders by
// the largest colour byte and Max by the smallest; any other value means XOR.
int64_t KeyOf(const Pixel& p, SortComparator comparator)
{
    const int b0 = p[0], b1 = p[1], b2 = p[2];
    switch (comparator) {
    case SortComparator::Average: return (b0 + b1 + b2) / 3;
    case SortComparator::Multiply: return int64_t{b0} * b1 * b2;
    case SortComparator::Min: return std::max({b0, b1, b2});
    case SortComparator::Max: return std::min({b0, b1, b2});
    default: return b0 ^ b1 ^ b2;
    }
}

bool Qualifies(const Pixel& p, const SortOptions& options)
{
    const int64_t key = KeyOf(p, options.comparator);
    switch (options.mode) {
    case SortMode::Highlights: return key > options.threshold;
    case SortMode::Shadows: return key < options.threshold;
    default: return true;
    }
}

Line LineOf(const Frame& frame, uint32_t index, bool rowPass)
{
    Line line;
    const uint32_t length = rowPass ? frame.width : frame.height;
    for (uint32_t i = 0; i < length; ++i) line.push_back(rowPass ? frame.At(i, index) : frame.At(index, i));
    return line;
}

void CheckRun(const Line& before, const Line& after, size_t start, size_t end, SortComparator comparator)
{
    Line expected(before.begin() + start, before.begin() + end);
    Line got(after.begin() + start, after.begin() + end);
    for (size_t i = 1; i < got.size(); ++i) FUZZ_CHECK(KeyOf(got[i - 1], comparator) <= KeyOf(got[i], comparator));
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    FUZZ_CHECK(got == expected);
}

void CheckLine(const Line& before, const Line& after, const SortOptions& options)
{
    size_t i = 0;
    while (i < before.size()) {
        if (!Qualifies(before[i], options)) {
            FUZZ_CHECK(after[i] == before[i]);
            ++i;
            continue;
        }
        size_t end = i;
        while (end < before.size() && Qualifies(before[end], options)) ++end;
        CheckRun(before, after, i, end, options.comparator);
        i = end;
    }
}

// SortLinesFrom, and for rows a RowSorter, give what SortLines gave.
void CheckOtherPaths(const Frame& before, const Frame& sorted, const SortOptions& options)
{
    std::vector<unsigned char> image(before.bytes.size(), 0xAB);
    SortLinesFrom(SortSource{before.bytes.data(), 4 * size_t{before.width}},
                  SortImage{image.data(), before.width, before.height, 4}, options);
    FUZZ_CHECK(image == sorted.bytes);
    if (options.direction != SortDirection::Row) return;
    RowSorter* sorter = MakeRowSorter(before.width, options);
    FUZZ_CHECK(sorter != nullptr);
    image = before.bytes;
    for (uint32_t row = 0; row < before.height; ++row) SortRow(sorter, image.data() + 4 * size_t{row} * before.width);
    FreeRowSorter(sorter);
    FUZZ_CHECK(image == sorted.bytes);
}

// Runs one pass in the given direction on a copy of the frame, checks it line by
// line and returns the result.
Frame CheckedPass(const Frame& before, SortOptions options, SortDirection direction)
{
    options.direction = direction;
    Frame after = before;
    SortLines(SortImage{after.bytes.data(), after.width, after.height, 4}, options);
    CheckOtherPaths(before, after, options);
    const bool rowPass = direction == SortDirection::Row;
    const uint32_t lines = rowPass ? before.height : before.width;
    for (uint32_t i = 0; i < lines; ++i) CheckLine(LineOf(before, i, rowPass), LineOf(after, i, rowPass), options);
    return after;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const uint32_t width = static_cast<uint32_t>(input.InRange(0, 64));
    const uint32_t height = static_cast<uint32_t>(input.InRange(0, 64));
    SortOptions options;
    options.direction = static_cast<SortDirection>(input.Int32());
    options.comparator = static_cast<SortComparator>(input.Int32());
    options.mode = static_cast<SortMode>(input.Int32());
    options.threshold = input.Int32();
    const Frame frame{width, height, input.Bytes(4 * size_t{width} * height)};

    if (options.direction == SortDirection::Row || options.direction == SortDirection::Column) {
        CheckedPass(frame, options, options.direction);
        return 0;
    }
    const Frame rows = CheckedPass(frame, options, SortDirection::Row);
    const Frame rowsThenColumns = CheckedPass(rows, options, SortDirection::Column);
    Frame both = frame;
    SortLines(SortImage{both.bytes.data(), width, height, 4}, options);
    FUZZ_CHECK(both.bytes == rowsThenColumns.bytes);
    CheckOtherPaths(frame, both, options);
    return 0;
}
