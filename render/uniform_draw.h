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

// Draws are folded into the caller's loop so that the generator's state stays in
// registers; compilers left DrawBelow out of line otherwise, and the state then
// went through memory on every value, doubling a shuffle's draw time.
#if defined(_MSC_VER)
#define TALVENOR_ALWAYS_INLINE __forceinline
#else
#define TALVENOR_ALWAYS_INLINE inline __attribute__((always_inline))
#endif

// The exact remainder. When both operands fit 32 bits, the common case, the
// quotient comes from a double division: a quotient v / b that is not whole lies
// at least 1 / b below the next whole number, and rounding to 53 bits moves it by
// less than (v / b) 2^-53 < 2^-21 / b, so the rounded quotient truncates to the
// true one. Successive draws' divisions
// then overlap, where integer divisions queue for the one divider (a 4K shuffle
// spent most of its draw time there).
inline uint64_t RemainderBelow(uint64_t value, uint64_t bound)
{
    if ((value | bound) >> 32 != 0) return value % bound;
    // Signed operands: one instruction each way between integer and double.
    const auto signedValue = static_cast<int64_t>(value);
    const auto signedBound = static_cast<int64_t>(bound);
    const auto quotient = static_cast<int64_t>(static_cast<double>(signedValue) / static_cast<double>(signedBound));
    return static_cast<uint64_t>(signedValue - quotient * signedBound);
}

constexpr int BitsOf(uint64_t maximum)
{
    int bits = 0;
    while ((maximum >> bits) != 0) ++bits;
    return bits;
}

// The values above spanMax - topBlock, the incomplete top block of a span of
// spanMax + 1 values, would favour small results.
inline bool InTopBlock(uint64_t value, uint64_t spanMax, uint64_t bound)
{
    // Every value up to spanMax - (bound - 1) lies in a complete block, so the top
    // block is only measured for the few values above.
    return value > spanMax - (bound - 1) && value > spanMax - (spanMax % bound + 1) % bound;
}

// The top block is measured with a plain division: it is rarely needed.
template <typename Generator>
TALVENOR_ALWAYS_INLINE uint64_t DrawBelow(uint64_t bound, Generator& generator, uint32_t generatorMax)
{
    if (bound <= 1) return 0;
    const int bits = BitsOf(generatorMax);
    uint64_t value, spanMax;
    do {
        value = static_cast<uint64_t>(generator());
        spanMax = generatorMax;
        while (spanMax < bound - 1) {
            value = (value << bits) | static_cast<uint64_t>(generator());
            spanMax = spanMax > (UINT64_MAX >> bits) ? UINT64_MAX : (spanMax << bits) | generatorMax;
        }
    } while (InTopBlock(value, spanMax, bound));
    return RemainderBelow(value, bound);
}
