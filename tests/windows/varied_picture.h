// VariedPicture: the test programs' picture, `count` RGBA pixels from xorshift32,
// every seventh pixel the same, so that equal keys and runs of them occur.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline std::vector<uint32_t> VariedPicture(size_t count)
{
    std::vector<uint32_t> picture(count);
    uint32_t state = 2463534242u;
    for (size_t i = 0; i < picture.size(); ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        picture[i] = i % 7 == 0 ? 0x80C04020u : state;
    }
    return picture;
}
