// Fuzz target: SortLines on any frame up to 64 x 64 with any option values.
//
// Input: width, height (one byte each), direction, comparator, mode, threshold
// (four bytes each, any value), then the pixels. Each single pass is checked
// against the keys as they stood before it: every pixel outside a qualifying run
// stays, every run keeps its own pixels and comes out ascending. Any direction
// other than Row and Column must equal a row pass followed by a column pass.
// SortLinesFrom, and for rows a RowSorter, must give the bytes SortLines gives.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "line_runs.h"
#include "line_sort.h"
#include "reference_keys.h"

namespace {

using Pixel = std::array<unsigned char, 4>;

struct Frame {
    uint32_t width;
    uint32_t height;
    std::vector<Pixel> pixels;  // row-major

    unsigned char* Bytes() { return pixels.empty() ? nullptr : pixels.front().data(); }
};

// SortLinesFrom, and for rows a RowSorter, give what SortLines gave.
void CheckOtherPaths(const Frame& before, const Frame& sorted, const SortOptions& options)
{
    Frame image{before.width, before.height, std::vector<Pixel>(before.pixels.size(), Pixel{0xAB, 0xAB, 0xAB, 0xAB})};
    Frame source = before;
    SortLinesFrom(SortSource{source.Bytes(), 4 * size_t{before.width}},
                  SortImage{image.Bytes(), before.width, before.height, 4}, options);
    FUZZ_CHECK(image.pixels == sorted.pixels);
    if (options.direction != SortDirection::Row) return;
    RowSorter* sorter = MakeRowSorter(before.width, options);
    FUZZ_CHECK(sorter != nullptr);
    image = before;
    for (uint32_t row = 0; row < before.height; ++row) SortRow(sorter, image.Bytes() + 4 * size_t{row} * before.width);
    FreeRowSorter(sorter);
    FUZZ_CHECK(image.pixels == sorted.pixels);
}

// Runs one pass in the given direction on a copy of the frame, checks it line by
// line and returns the result.
Frame CheckedPass(const Frame& before, SortOptions options, SortDirection direction)
{
    options.direction = direction;
    Frame after = before;
    SortLines(SortImage{after.Bytes(), after.width, after.height, 4}, options);
    CheckOtherPaths(before, after, options);
    const auto key = [&](const Pixel& p) { return ReferenceKey(options.comparator, p[0], p[1], p[2]); };
    const auto inRun = [&](const Pixel& p) { return KeyInRun(options, key(p)); };
    const std::string problem = LinePassProblem(before.pixels, after.pixels, before.width, before.height,
                                                direction == SortDirection::Row, inRun, key);
    if (!problem.empty()) FuzzCheckFailed(problem.c_str(), __FILE__, __LINE__);
    return after;
}

Frame TakeFrame(FuzzInput& input, uint32_t width, uint32_t height)
{
    const std::vector<unsigned char> bytes = input.Bytes(4 * size_t{width} * height);
    Frame frame{width, height, std::vector<Pixel>(size_t{width} * height)};
    if (!bytes.empty()) std::memcpy(frame.Bytes(), bytes.data(), bytes.size());
    return frame;
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
    Frame frame = TakeFrame(input, width, height);

    if (options.direction == SortDirection::Row || options.direction == SortDirection::Column) {
        CheckedPass(frame, options, options.direction);
        return 0;
    }
    const Frame rows = CheckedPass(frame, options, SortDirection::Row);
    const Frame rowsThenColumns = CheckedPass(rows, options, SortDirection::Column);
    Frame both = frame;
    SortLines(SortImage{both.Bytes(), width, height, 4}, options);
    FUZZ_CHECK(both.pixels == rowsThenColumns.pixels);
    CheckOtherPaths(frame, both, options);
    return 0;
}
