// Row conversions between host pixels and engine pixels, each a rotation of the
// pixel read as one little-endian 32-bit word: host A | R << 8 | G << 16 | B << 24,
// engine R | G << 8 | B << 16 | A << 24. Loads and stores go through memcpy so any
// alignment is allowed, and the loops stay simple enough to vectorise.
#include "rgba_order.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t RotateRight8(uint32_t word)
{
    return word >> 8 | word << 24;
}

uint32_t RotateLeft8(uint32_t word)
{
    return word << 8 | word >> 24;
}

}  // namespace

void PackRgbaRow(const PF_Pixel* from, unsigned char* to, size_t count)
{
    const unsigned char* source = reinterpret_cast<const unsigned char*>(from);
    for (size_t i = 0; i < count; ++i) {
        uint32_t word;
        std::memcpy(&word, source + 4 * i, 4);
        word = RotateRight8(word);
        std::memcpy(to + 4 * i, &word, 4);
    }
}

void UnpackRgbaRow(const unsigned char* from, PF_Pixel* to, size_t count)
{
    unsigned char* target = reinterpret_cast<unsigned char*>(to);
    for (size_t i = 0; i < count; ++i) {
        uint32_t word;
        std::memcpy(&word, from + 4 * i, 4);
        word = RotateLeft8(word);
        std::memcpy(target + 4 * i, &word, 4);
    }
}
