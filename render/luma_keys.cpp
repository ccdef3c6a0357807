// The luma key four pixels at a time. The weighted sum is taken exactly in whole
// numbers, L = 2126 R + 7152 G + 722 B, whose tenth-thousandth is the luma. Where L
// is not a multiple of 10000 the luma lies at least 1/10000 from a whole number,
// far beyond the rounding of either the double expression or a float product, so
// truncating L * 0.0001f gives the key. Where it is a multiple, the double
// expression may fall just short (pure white keys 254), so those pixels, about one
// in ten thousand, are keyed by the double expression itself.
#include "luma_keys.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "orderings.h"

namespace {

template <PixelOrder order>
uint8_t ExactKey(const Pixel& pixel)
{
    constexpr int red = RedByteOf(order);
    return static_cast<uint8_t>(LumaKey(pixel.bytes[red], pixel.bytes[red + 1], pixel.bytes[red + 2]));
}

#if defined(__SSE2__) || defined(_M_X64)
constexpr int16_t kRedWhole = 2126;
constexpr int16_t kGreenWhole = 7152;
constexpr int16_t kBlueWhole = 722;

template <PixelOrder order>
__m128i Weights()
{
    if (order == PixelOrder::Argb) {
        return _mm_setr_epi16(0, kRedWhole, kGreenWhole, kBlueWhole, 0, kRedWhole, kGreenWhole, kBlueWhole);
    }
    return _mm_setr_epi16(kRedWhole, kGreenWhole, kBlueWhole, 0, kRedWhole, kGreenWhole, kBlueWhole, 0);
}

// Keys pixels[0 .. 3] into keys[0 .. 3].
template <PixelOrder order>
void FourKeys(const Pixel* pixels, uint8_t* keys)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    // Per pixel two partial sums, of its first two bytes and of its last two.
    const __m128i low = _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), Weights<order>());
    const __m128i high = _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), Weights<order>());
    const __m128 firsts = _mm_shuffle_ps(_mm_castsi128_ps(low), _mm_castsi128_ps(high), _MM_SHUFFLE(2, 0, 2, 0));
    const __m128 seconds = _mm_shuffle_ps(_mm_castsi128_ps(low), _mm_castsi128_ps(high), _MM_SHUFFLE(3, 1, 3, 1));
    const __m128 sums = _mm_cvtepi32_ps(_mm_add_epi32(_mm_castps_si128(firsts), _mm_castps_si128(seconds)));
    const __m128i whole = _mm_cvttps_epi32(_mm_mul_ps(sums, _mm_set1_ps(0.0001f)));
    // The remainder, exact in floats: every value here is a whole number below 2^24.
    const __m128 rest = _mm_sub_ps(sums, _mm_mul_ps(_mm_cvtepi32_ps(whole), _mm_set1_ps(10000.0f)));
    const __m128 onWhole = _mm_or_ps(_mm_cmpeq_ps(rest, _mm_setzero_ps()), _mm_cmpge_ps(rest, _mm_set1_ps(10000.0f)));
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(whole, whole), zero);
    const int word = _mm_cvtsi128_si32(packed);
    for (int i = 0; i < 4; ++i) keys[i] = static_cast<uint8_t>(word >> (8 * i));
    const int exact = _mm_movemask_ps(onWhole);
    if (exact == 0) return;
    for (int i = 0; i < 4; ++i) {
        if (exact & (1 << i)) keys[i] = ExactKey<order>(pixels[i]);
    }
}
#endif

template <PixelOrder order>
void KeysOfRow(const Pixel* row, size_t count, uint8_t* keys, KeyTallies& tallies)
{
    size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    for (; i + kKeyTallies <= count; i += kKeyTallies) {
        FourKeys<order>(row + i, keys + i);
        for (size_t t = 0; t < kKeyTallies; ++t) ++tallies[t][keys[i + t]];
    }
#endif
    for (; i < count; ++i) {
        keys[i] = ExactKey<order>(row[i]);
        ++tallies[i % kKeyTallies][keys[i]];
    }
}

}  // namespace

void LumaKeysOfRow(const Pixel* row, size_t count, PixelOrder order, uint8_t* keys, KeyTallies& tallies)
{
    if (order == PixelOrder::Rgba) {
        KeysOfRow<PixelOrder::Rgba>(row, count, keys, tallies);
    } else {
        KeysOfRow<PixelOrder::Argb>(row, count, keys, tallies);
    }
}
