// A plain, independent statement of what SortLines produces: each pass cuts the
// frame into lines, finds the maximal runs of qualifying pixels on the keys as
// they stand before the pass, and stable-sorts each run by its key, so pixels
// with equal keys keep their order. Keys come from ReferenceKey.
#pragma once

#include <algorithm>

#include "line_runs.h"
#include "test_frames.h"

inline void StableLinePass(Frame& frame, uint32_t width, uint32_t height, bool rows, const SortOptions& options)
{
    const auto byKey = [&options](const Pixel& a, const Pixel& b) {
        return ReferenceKey(options.comparator, a) < ReferenceKey(options.comparator, b);
    };
    for (uint32_t line = 0; line < (rows ? height : width); ++line) {
        const std::vector<size_t> positions = LinePositions(width, height, rows, line);
        Frame pixels;
        for (size_t position : positions) {
            pixels.push_back(frame[position]);
        }
        for (size_t i = 0; i < pixels.size();) {
            size_t end = i;
            while (end < pixels.size() && QualifiesForRun(options, pixels[end])) {
                ++end;
            }
            std::stable_sort(pixels.begin() + i, pixels.begin() + end, byKey);
            i = std::max(end, i + 1);
        }
        for (size_t i = 0; i < positions.size(); ++i) {
            frame[positions[i]] = pixels[i];
        }
    }
}

inline Frame StableReference(Frame frame, uint32_t width, uint32_t height, const SortOptions& options)
{
    if (options.direction != SortDirection::Column) {
        StableLinePass(frame, width, height, true, options);
    }
    if (options.direction != SortDirection::Row) {
        StableLinePass(frame, width, height, false, options);
    }
    return frame;
}
