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
//
// Both share their work out among the workers (workers.h), with the same order
// for any number of them. Random's shuffle is one sequence of draws, so it stays
// on the calling thread; its indices are filled by the workers. Once stopped says
// stop, the rest of the work is left out (the shuffle too, drawing nothing) and
// `order` is unfinished.
#pragma once

#include <cstdint>

#include "deep_frame.h"
#include "render_settings.h"
#include "shuffle_with.h"
#include "workers.h"

bool CanOrderPixels(const DeepFrame& frame, const RenderSettings& settings);
void SortPixelOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order,
                    const SortWorkers& workers = SerialWorkers());
// The row-major indices in order: order[i] = i.
void FillIndices(const DeepFrame& frame, uint32_t* order, const SortWorkers& workers);

template <typename Generator>
void OrderPixels(const DeepFrame& frame, const RenderSettings& settings, Generator& generator, uint32_t generatorMax,
                 uint32_t* order, const SortWorkers& workers = SerialWorkers())
{
    if (settings.mode != Mode::Random) {
        SortPixelOrder(frame, settings, order, workers);
        return;
    }
    FillIndices(frame, order, workers);
    if (StopAsked(workers)) return;
    ShuffleWith(order, static_cast<size_t>(frame.width * frame.height), generator, generatorMax);
}
