// The check of one sorting pass along lines, for any 4-byte pixel type: every
// pixel outside a run stays where it was, and each maximal run of pixels that are
// in a run (judged on the line before the pass) holds the same pixels, all four
// bytes, in ascending order of key. The callers say what is in a run and what
// the key is. Each function returns what is wrong, or an empty string.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Positions of line `line` in a row-major width x height frame, first to last.
inline std::vector<size_t> LinePositions(uint32_t width, uint32_t height, bool rows, uint32_t line)
{
    std::vector<size_t> positions;
    const uint32_t length = rows ? width : height;
    for (uint32_t i = 0; i < length; ++i)
        positions.push_back(rows ? size_t{line} * width + i : size_t{i} * width + line);
    return positions;
}

// All four bytes of a pixel, whatever its fields are called.
template <typename Pixel>
uint32_t PixelBits(const Pixel& pixel)
{
    static_assert(sizeof(Pixel) == 4, "a pixel is four bytes");
    uint32_t bits;
    std::memcpy(&bits, &pixel, 4);
    return bits;
}

template <typename Pixel, typename InRun, typename Key>
std::string LineRunProblem(const std::vector<Pixel>& before, const std::vector<Pixel>& after, InRun inRun, Key key)
{
    size_t start = 0;
    while (start < before.size()) {
        size_t end = start;
        while (end < before.size() && inRun(before[end])) ++end;
        if (end == start) {
            if (PixelBits(after[start]) != PixelBits(before[start])) {
                return "pixel " + std::to_string(start) + " outside the runs moved";
            }
            ++start;
            continue;
        }
        std::vector<uint32_t> runBefore, runAfter;
        for (size_t i = start; i < end; ++i) {
            if (i > start && key(after[i - 1]) > key(after[i]))
                return "run at " + std::to_string(start) + " not sorted";
            runBefore.push_back(PixelBits(before[i]));
            runAfter.push_back(PixelBits(after[i]));
        }
        std::sort(runBefore.begin(), runBefore.end());
        std::sort(runAfter.begin(), runAfter.end());
        if (runAfter != runBefore) return "run at " + std::to_string(start) + " changed";
        start = end;
    }
    return "";
}

// The same check for every row (rows true) or every column of a row-major frame.
template <typename Pixel, typename InRun, typename Key>
std::string LinePassProblem(const std::vector<Pixel>& before, const std::vector<Pixel>& after, uint32_t width,
                            uint32_t height, bool rows, InRun inRun, Key key)
{
    for (uint32_t line = 0; line < (rows ? height : width); ++line) {
        std::vector<Pixel> lineBefore, lineAfter;
        for (size_t position : LinePositions(width, height, rows, line)) {
            lineBefore.push_back(before[position]);
            lineAfter.push_back(after[position]);
        }
        const std::string problem = LineRunProblem(lineBefore, lineAfter, inRun, key);
        if (!problem.empty()) return (rows ? "row " : "column ") + std::to_string(line) + ": " + problem;
    }
    return "";
}
