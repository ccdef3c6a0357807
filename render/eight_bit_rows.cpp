// EightBitRgbaPixels: a stretch of a row's components are converted by one plain loop per depth,
// which the compiler vectorises (floats, whose clamps it would not, by hand), and
// laid out as RGBA pixels.
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "deep_frame.h"

namespace {

constexpr int64_t kStretchPixels = 64;

unsigned char FromByte(unsigned char value)
{
    return value;
}

// (v * 255 + 32767) / 65535, the division exact as (x + (x >> 16) + 1) >> 16 for
// every such x, checked over all 65536 values.
unsigned char FromShort(uint16_t value)
{
    const uint32_t x = uint32_t{value} * 255 + 32767;
    return static_cast<unsigned char>((x + (x >> 16) + 1) >> 16);
}

// round() adds one to the truncation where the fraction, exact in floats for
// 0 <= t <= 255, is a half or more. NaN fails the first comparison and is 0.
unsigned char FromFloat(float value)
{
    const float clamped = value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
    const float scaled = clamped * 255.0f;
    const int whole = static_cast<int>(scaled);
    return static_cast<unsigned char>(whole + (scaled - static_cast<float>(whole) >= 0.5f ? 1 : 0));
}

template <typename Component, unsigned char (*convert)(Component)>
void ConvertComponents(const unsigned char* from, int64_t count, unsigned char* to)
{
    for (int64_t i = 0; i < count; ++i) {
        Component value;
        std::memcpy(&value, from + i * static_cast<int64_t>(sizeof(Component)), sizeof(Component));
        to[i] = convert(value);
    }
}

#if defined(__SSE2__) || defined(_M_X64)
// FromFloat on four floats: max with 0 first gives 0 for NaN as FromFloat does.
__m128i FourFromFloat(const unsigned char* from)
{
    const __m128 value = _mm_loadu_ps(reinterpret_cast<const float*>(from));
    const __m128 scaled =
        _mm_mul_ps(_mm_min_ps(_mm_max_ps(value, _mm_setzero_ps()), _mm_set1_ps(1.0f)), _mm_set1_ps(255.0f));
    const __m128i whole = _mm_cvttps_epi32(scaled);
    const __m128 fraction = _mm_sub_ps(scaled, _mm_cvtepi32_ps(whole));
    // The comparison's all-ones lanes are -1: subtracting them adds one.
    return _mm_sub_epi32(whole, _mm_castps_si128(_mm_cmpge_ps(fraction, _mm_set1_ps(0.5f))));
}

// Sixteen floats at a time, the rest one by one.
template <>
void ConvertComponents<float, FromFloat>(const unsigned char* from, int64_t count, unsigned char* to)
{
    int64_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i low = _mm_packs_epi32(FourFromFloat(from + 4 * i), FourFromFloat(from + 4 * i + 16));
        const __m128i high = _mm_packs_epi32(FourFromFloat(from + 4 * i + 32), FourFromFloat(from + 4 * i + 48));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_packus_epi16(low, high));
    }
    for (; i < count; ++i) {
        float value;
        std::memcpy(&value, from + 4 * i, sizeof(value));
        to[i] = FromFloat(value);
    }
}
#endif

// Four components convert straight into the row; three a stretch at a time into
// a buffer, from which each pixel's colour is laid out.
template <typename Component, unsigned char (*convert)(Component)>
void ConvertRow(const DeepFrame& frame, const unsigned char* from, int64_t count, Pixel* row)
{
    if (frame.components == 4) {
        ConvertComponents<Component, convert>(from, count * 4, reinterpret_cast<unsigned char*>(row));
        return;
    }
    unsigned char stretch[kStretchPixels * 3];
    for (int64_t x = 0; x < count; x += kStretchPixels) {
        const int64_t pixels = count - x < kStretchPixels ? count - x : kStretchPixels;
        ConvertComponents<Component, convert>(from + x * 3 * static_cast<int64_t>(sizeof(Component)), pixels * 3,
                                              stretch);
        for (int64_t i = 0; i < pixels; ++i) {
            std::memcpy(row[x + i].bytes, stretch + i * 3, 3);
            row[x + i].bytes[3] = 255;
        }
    }
}

}  // namespace

void EightBitRgbaPixels(const DeepFrame& frame, int64_t x, int64_t y, int64_t count, Pixel* pixels)
{
    const unsigned char* from = DeepRowAt(frame, y) + x * PixelBytesOf(frame);
    switch (frame.depth) {
    case ComponentDepth::Byte: ConvertRow<unsigned char, FromByte>(frame, from, count, pixels); break;
    case ComponentDepth::Short: ConvertRow<uint16_t, FromShort>(frame, from, count, pixels); break;
    case ComponentDepth::Float: ConvertRow<float, FromFloat>(frame, from, count, pixels); break;
    }
}
