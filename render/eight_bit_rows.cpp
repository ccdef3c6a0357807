// EightBitRgbaRow: each depth's conversion to 8 bits, one plain loop per depth and
// component count so that the compiler vectorises it.
#include <cstring>

#include "deep_frame.h"

namespace {

unsigned char FromByte(unsigned char value)
{
    return value;
}

unsigned char FromShort(uint16_t value)
{
    return static_cast<unsigned char>((uint32_t{value} * 255 + 32767) / 65535);
}

// round() to the nearest, halves away from zero, without a library call: the
// fraction t - whole is exact in floats for 0 <= t <= 255.
unsigned char FromFloat(float value)
{
    const float clamped = value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;  // NaN fails both: 0
    const float scaled = clamped * 255.0f;
    const int whole = static_cast<int>(scaled);
    return static_cast<unsigned char>(whole + (scaled - static_cast<float>(whole) >= 0.5f ? 1 : 0));
}

template <typename Component, unsigned char (*convert)(Component), int components>
void ConvertRow(const unsigned char* from, int64_t width, Pixel* row)
{
    for (int64_t x = 0; x < width; ++x) {
        Component values[components];
        std::memcpy(values, from + x * components * sizeof(Component), sizeof(values));
        for (int c = 0; c < 3; ++c) row[x].bytes[c] = convert(values[c]);
        row[x].bytes[3] = 255;
    }
}

template <typename Component, unsigned char (*convert)(Component)>
void ConvertRowOf(const DeepFrame& frame, const unsigned char* from, Pixel* row)
{
    if (frame.components == 4) {
        ConvertRow<Component, convert, 4>(from, frame.width, row);
    } else {
        ConvertRow<Component, convert, 3>(from, frame.width, row);
    }
}

}  // namespace

void EightBitRgbaRow(const DeepFrame& frame, int64_t y, Pixel* row)
{
    const unsigned char* from = DeepRowAt(frame, y);
    switch (frame.depth) {
    case ComponentDepth::Byte: ConvertRowOf<unsigned char, FromByte>(frame, from, row); break;
    case ComponentDepth::Short: ConvertRowOf<uint16_t, FromShort>(frame, from, row); break;
    case ComponentDepth::Float: ConvertRowOf<float, FromFloat>(frame, from, row); break;
    }
}
