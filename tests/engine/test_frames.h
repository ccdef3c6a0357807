// Helpers for the engine tests: frames as arrays of 4-byte pixels, calls of
// SortLines, SortLinesFrom and a RowSorter on copies, and every key computed from
// its definition, independently of the engine's own key functions (reference_keys.h).
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "line_sort.h"
#include "reference_keys.h"

using Pixel = std::array<unsigned char, 4>;  // colour bytes 0-2, alpha byte 3
using Frame = std::vector<Pixel>;            // row-major
static_assert(sizeof(Pixel) == 4, "a frame must be a packed RGBA buffer");

// The key that a comparator orders by, and whether a pixel belongs to a run in
// the options' mode, judged on its key.
inline int32_t ReferenceKey(SortComparator comparator, const Pixel& p)
{
    return ReferenceKey(comparator, p[0], p[1], p[2]);
}

inline bool QualifiesForRun(const SortOptions& options, const Pixel& p)
{
    return KeyInRun(options, ReferenceKey(options.comparator, p));
}

inline Frame SortedCopy(Frame frame, uint32_t width, uint32_t height, const SortOptions& options)
{
    SortLines(SortImage{frame.empty() ? nullptr : frame.front().data(), width, height, 4}, options);
    return frame;
}

// SortLinesFrom into a fresh image, from a copy of the frame whose rows lie 12
// bytes apart beyond their pixels and start one byte off word alignment.
inline Frame SortedFrom(const Frame& frame, uint32_t width, uint32_t height, const SortOptions& options)
{
    const size_t rowBytes = size_t{width} * 4 + 12;
    std::vector<unsigned char> source(1 + rowBytes * height, 0xEE);
    for (uint32_t row = 0; row < height; ++row) {
        std::copy_n(frame[size_t{row} * width].data(), size_t{width} * 4, source.data() + 1 + row * rowBytes);
    }
    Frame image(frame.size(), Pixel{0xAB, 0xCD, 0xEF, 0x01});
    SortLinesFrom(SortSource{source.data() + 1, rowBytes},
                  SortImage{image.empty() ? nullptr : image.front().data(), width, height, 4}, options);
    return image;
}

// SortLinesFromWith from the frame into a fresh image, with `count` workers
// taking turns on the calling thread, the last one first, so that a share that
// leaned on another's within a pass would show; stopAfter blocks, it asks to stop.
// bottomUp: the frame's rows are stored bottom-up (rowsBottomUp), the image's too.
inline Frame SortedWith(const Frame& frame, uint32_t width, uint32_t height, const SortOptions& options, int32_t count,
                        int32_t stopAfter = INT32_MAX, bool* finished = nullptr, bool bottomUp = false)
{
    struct Turns {
        int32_t count;
        int32_t blocksLeft;
    } turns{count, stopAfter};
    const SortWorkers workers{
        count,
        [](void* context, void (*work)(void*, int32_t), void* argument) {
            for (int32_t w = static_cast<Turns*>(context)->count - 1; w >= 0; --w) work(argument, w);
        },
        [](void* context) { return static_cast<Turns*>(context)->blocksLeft-- <= 0; },
        &turns,
    };
    Frame image(frame.size(), Pixel{0xAB, 0xCD, 0xEF, 0x01});
    const bool ran = SortLinesFromWith(
        SortSource{frame.empty() ? nullptr : frame.front().data(), size_t{width} * 4},
        SortImage{image.empty() ? nullptr : image.front().data(), width, height, 4, bottomUp}, options, workers);
    if (finished != nullptr) *finished = ran;
    return image;
}

// The frame's rows in the opposite order.
inline Frame Flipped(Frame frame, uint32_t width, uint32_t height)
{
    for (uint32_t row = 0; row < height / 2; ++row) {
        std::swap_ranges(frame.begin() + row * width, frame.begin() + (row + 1) * width,
                         frame.begin() + (height - 1 - row) * width);
    }
    return frame;
}

// The frame sorted row by row through one RowSorter, whose options the caller
// changes as soon as the sorter is made; null when the sorter cannot be made.
inline std::unique_ptr<Frame> RowSorted(Frame frame, uint32_t width, uint32_t height, SortOptions options)
{
    RowSorter* sorter = MakeRowSorter(width, options);
    options.mode = SortMode::Shadows;
    options.threshold = 1 - options.threshold;
    if (sorter == nullptr) {
        return nullptr;
    }
    for (uint32_t row = 0; row < height; ++row) {
        SortRow(sorter, frame[size_t{row} * width].data());
    }
    FreeRowSorter(sorter);
    return std::make_unique<Frame>(std::move(frame));
}

// Grey pixels whose Average key is the given value; alpha numbers them.
inline Frame GreyPixels(const std::vector<int32_t>& keys)
{
    Frame frame;
    for (int32_t key : keys) {
        const auto k = static_cast<unsigned char>(key);
        frame.push_back({k, k, k, static_cast<unsigned char>(frame.size())});
    }
    return frame;
}

inline std::vector<int32_t> KeysOf(const Frame& frame, SortComparator comparator)
{
    std::vector<int32_t> keys;
    for (const Pixel& p : frame) {
        keys.push_back(ReferenceKey(comparator, p));
    }
    return keys;
}

// Random bytes, alpha included; with fewValues the bytes come from a handful of
// values, so that equal keys, zero bytes and long runs are common.
inline Frame RandomFrame(std::mt19937& random, size_t pixels, bool fewValues)
{
    const unsigned char few[] = {0, 1, 7, 128, 254, 255};
    std::uniform_int_distribution<size_t> pick(0, sizeof few - 1);
    Frame frame(pixels);
    for (Pixel& p : frame) {
        for (unsigned char& byte : p) {
            byte = fewValues ? few[pick(random)] : static_cast<unsigned char>(random());
        }
    }
    return frame;
}
