// ReorderPixels: each pixel read as one little-endian 32-bit word is rotated by a
// byte, ARGB being A | R << 8 | G << 16 | B << 24 and RGBA R | G << 8 | B << 16 |
// A << 24. Loads and stores go through memcpy so any alignment is allowed, and the
// loops stay simple enough to vectorise.
#include "pixel_order.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t ArgbToRgba(uint32_t word)
{
    return word >> 8 | word << 24;
}

uint32_t RgbaToArgb(uint32_t word)
{
    return word << 8 | word >> 24;
}

template <uint32_t (*rotate)(uint32_t)>
void RotatePixels(const Pixel* from, Pixel* to, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        uint32_t word;
        std::memcpy(&word, from + i, 4);
        word = rotate(word);
        std::memcpy(to + i, &word, 4);
    }
}

}  // namespace

void ReorderPixels(const Pixel* from, PixelOrder fromOrder, Pixel* to, PixelOrder toOrder, size_t count)
{
    if (count == 0) return;
    if (fromOrder == toOrder) {
        std::memcpy(to, from, count * sizeof(Pixel));
    } else if (toOrder == PixelOrder::Rgba) {
        RotatePixels<ArgbToRgba>(from, to, count);
    } else {
        RotatePixels<RgbaToArgb>(from, to, count);
    }
}
