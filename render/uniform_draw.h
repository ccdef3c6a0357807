// DrawBelow: an unbiased draw of a whole number in 0 .. bound - 1 (bound >= 1) from
// `generator`, a callable giving uniform ints 0 .. generatorMax, where
// generatorMax + 1 is a power of two (as RAND_MAX + 1 is for the C library's rand).
//
// Generator values are joined, most significant first, until their span covers the
// bound; a value in the incomplete top block of the span would favour small results
// and is thrown away for a fresh draw; the draw is the value modulo bound. Past 64
// bits only the low 64 are kept, which are still uniform. Defined here so that the
// generator call and the constant maximum fold into the caller's loop.
#pragma once

#include <cstdint>

// The remainder, with a 32-bit division whenever both operands fit: the common
// case, and several times faster than a 64-bit one on many processors.
inline uint64_t RemainderBelow(uint64_t value, uint64_t bound)
{
    if ((value | bound) >> 32 == 0) return static_cast<uint32_t>(value) % static_cast<uint32_t>(bound);
    return value % bound;
}

constexpr int BitsOf(uint64_t maximum)
{
    int bits = 0;
    while ((maximum >> bits) != 0) ++bits;
    return bits;
}

template <typename Generator>
uint64_t DrawBelow(uint64_t bound, Generator& generator, uint32_t generatorMax)
{
    const int bits = BitsOf(generatorMax);
    for (;;) {
        uint64_t value = 0;
        uint64_t spanMax = 0;
        while (spanMax < bound - 1) {
            value = (value << bits) | static_cast<uint64_t>(generator());
            spanMax = spanMax > (UINT64_MAX >> bits) ? UINT64_MAX : (spanMax << bits) | generatorMax;
        }
        // Every value up to spanMax - (bound - 1) lies in a complete block, so the
        // top block is only measured for the few values above.
        if (value <= spanMax - (bound - 1)) return RemainderBelow(value, bound);
        const uint64_t topBlock = (RemainderBelow(spanMax, bound) + 1) % bound;
        if (value <= spanMax - topBlock) return RemainderBelow(value, bound);
    }
}
