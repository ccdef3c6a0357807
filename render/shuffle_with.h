// ShuffleWith: puts `count` pixels into a uniformly random order in place, a
// Fisher-Yates shuffle from the front: pixel k, for k from 1 up, changes places
// with a partner drawn by DrawBelow from 0 .. k, with `generator` and its maximum
// as DrawBelow takes them. ShufflePixels runs it on the C library's rand.
//
// The partners lie anywhere in the frame and mostly miss the cache. Drawing them a
// batch ahead and reading their pixels together measured no faster: the misses are
// bound by memory traffic, and each draw's own work hides most of their latency.
#pragma once

#include <cstddef>
#include <utility>

#include "pixel_order.h"
#include "uniform_draw.h"

template <typename Generator>
void ShuffleWith(Pixel* pixels, size_t count, Generator& generator, uint32_t generatorMax)
{
    for (size_t k = 1; k < count; ++k) {
        std::swap(pixels[k], pixels[DrawBelow(uint64_t{k} + 1, generator, generatorMax)]);
    }
}
