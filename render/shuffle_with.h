// ShuffleWith: puts `count` pixels (or any items, such as pixel indices) into a
// uniformly random order in place, a
// Fisher-Yates shuffle from the front: pixel k, for k from 1 up, changes places
// with a partner drawn by DrawBelow from 0 .. k, with `generator` and its maximum
// as DrawBelow takes them. ShufflePixels runs it on the Windows C runtime's rand
// sequence.
//
// The partners lie anywhere in the frame and mostly miss the cache and the address
// translation. So each partner is drawn kDrawAhead swaps before its swap, in the
// same order as drawing it just before, and its pixel is fetched meanwhile: the
// misses of many swaps then overlap instead of following one another.
#pragma once

#include <cstddef>
#include <utility>

#if defined(__SSE__) || defined(_M_X64)
#include <xmmintrin.h>
#endif

#include "pixel_order.h"
#include "uniform_draw.h"

inline void PrefetchPixel(const void* pixel)
{
#if defined(__SSE__) || defined(_M_X64)
    _mm_prefetch(reinterpret_cast<const char*>(pixel), _MM_HINT_T0);
#else
    (void)pixel;
#endif
}

template <typename Item, typename Generator>
TALVENOR_ALWAYS_INLINE void ShuffleWith(Item* pixels, size_t count, Generator& callersGenerator, uint32_t generatorMax)
{
    // A local copy, which no pixel store can alias, keeps the state in registers.
    Generator generator = callersGenerator;
    constexpr size_t kDrawAhead = 64;
    size_t partners[kDrawAhead];  // the partner of pixel k sits at k % kDrawAhead
    const auto draw = [&](size_t k) {
        partners[k % kDrawAhead] = static_cast<size_t>(DrawBelow(uint64_t{k} + 1, generator, generatorMax));
        PrefetchPixel(pixels + partners[k % kDrawAhead]);
    };
    for (size_t k = 1; k < count && k <= kDrawAhead; ++k) draw(k);
    for (size_t k = 1; k < count; ++k) {
        const size_t partner = partners[k % kDrawAhead];
        if (k + kDrawAhead < count) draw(k + kDrawAhead);
        std::swap(pixels[k], pixels[partner]);
    }
    callersGenerator = generator;
}
