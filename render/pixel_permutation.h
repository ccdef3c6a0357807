// The arrangement of a frame of any pixel format (DeepFrame), as a permutation:
// order[i] is the row-major index (top row first) of the input pixel that lands at
// position i. It is the arrangement ArrangeFrame gives the frame's 8-bit RGBA
// values (EightBitRgbaPixels), computed by the same Mode code: the whole-frame
// orderings and the engine sort the pixels' indices, keyed by those values.
// WriteArrangedWindow (arranged_window.h) then moves the pixels themselves.
//
// CanOrderPixels is false for a frame whose indices the render cannot address
// (line Modes: above 2^31 - 1 pixels, as CanArrange; others above 2^32 - 1).
// OrderPixels writes width * height indices to `order`; Random shuffles them with
// `generator`, a callable giving uniform ints 0 .. generatorMax as ShuffleWith
// takes it, drawing exactly as ShuffleWith does on the 8-bit frame. It may throw
// std::bad_alloc, and then has written nothing to `order`. SortPixelOrder is its
// part for every Mode but Random, which needs no generator.
#pragma once

#include <cstdint>
#include <numeric>

#include "deep_frame.h"
#include "render_settings.h"
#include "shuffle_with.h"

bool CanOrderPixels(const DeepFrame& frame, const RenderSettings& settings);
void SortPixelOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order);

template <typename Generator>
void OrderPixels(const DeepFrame& frame, const RenderSettings& settings, Generator& generator, uint32_t generatorMax,
                 uint32_t* order)
{
    if (settings.mode != Mode::Random) {
        SortPixelOrder(frame, settings, order);
        return;
    }
    const size_t count = static_cast<size_t>(frame.width * frame.height);
    std::iota(order, order + count, uint32_t{0});
    ShuffleWith(order, count, generator, generatorMax);
}
