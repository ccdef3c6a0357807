// EightBitRgbaRow: a row's components are converted a stretch at a time by one
// plain loop per depth, which the compiler vectorises, into a small buffer, and
// then laid out as RGBA pixels.
#include <algorithm>
#include <cstring>

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

// The clamp works on the bits, as whole numbers that order as the floats do from
// +0 up: negatives (sign bit set) and NaNs lie above infinity's bits and become
// +0, everything from 1 up becomes 1; written as a mask and a min, it vectorises.
// round() is then floor(t + 0.5) taken in doubles, where the sum is exact.
unsigned char FromFloat(float value)
{
    constexpr uint32_t kOneBits = 0x3F800000, kInfinityBits = 0x7F800000;
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    const uint32_t kept = bits & (0u - static_cast<uint32_t>(bits <= kInfinityBits));
    const uint32_t clampedBits = std::min(kept, kOneBits);
    float clamped;
    std::memcpy(&clamped, &clampedBits, sizeof(clamped));
    return static_cast<unsigned char>(static_cast<int>(static_cast<double>(clamped * 255.0f) + 0.5));
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

template <typename Component, unsigned char (*convert)(Component)>
void ConvertRow(const DeepFrame& frame, const unsigned char* from, Pixel* row)
{
    const int64_t components = frame.components;
    unsigned char stretch[kStretchPixels * 4];
    for (int64_t x = 0; x < frame.width; x += kStretchPixels) {
        const int64_t pixels = frame.width - x < kStretchPixels ? frame.width - x : kStretchPixels;
        ConvertComponents<Component, convert>(from + x * components * static_cast<int64_t>(sizeof(Component)),
                                              pixels * components, stretch);
        for (int64_t i = 0; i < pixels; ++i) {
            std::memcpy(row[x + i].bytes, stretch + i * components, 3);
            row[x + i].bytes[3] = 255;
        }
    }
}

}  // namespace

void EightBitRgbaRow(const DeepFrame& frame, int64_t y, Pixel* row)
{
    const unsigned char* from = DeepRowAt(frame, y);
    switch (frame.depth) {
    case ComponentDepth::Byte: ConvertRow<unsigned char, FromByte>(frame, from, row); break;
    case ComponentDepth::Short: ConvertRow<uint16_t, FromShort>(frame, from, row); break;
    case ComponentDepth::Float: ConvertRow<float, FromFloat>(frame, from, row); break;
    }
}
