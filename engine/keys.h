// The five pixel keys, defined inline so that the stretch key functions built
// from them compile to one tight loop per key. Each takes a pointer to one
// pixel and reads its three colour bytes b0, b1, b2 only, so alpha never
// affects the order; each is symmetric in the three bytes.
#pragma once

#include <algorithm>
#include <cstdint>

constexpr int32_t kByteKeyLimit = 255;                   // the largest key of the four byte-sized keys
constexpr int32_t kProductKeyLimit = 255 * 255 * 255;    // the largest KeyProduct

inline int32_t KeyAverage(const unsigned char* pixel) {  // (b0 + b1 + b2) / 3, truncated
    return (int32_t{pixel[0]} + pixel[1] + pixel[2]) / 3;
}

inline int32_t KeyProduct(const unsigned char* pixel) {  // b0 * b1 * b2
    return int32_t{pixel[0]} * pixel[1] * pixel[2];
}

inline int32_t KeyMaxChannel(const unsigned char* pixel) {  // the largest colour byte
    return std::max({pixel[0], pixel[1], pixel[2]});
}

inline int32_t KeyMinChannel(const unsigned char* pixel) {  // the smallest colour byte
    return std::min({pixel[0], pixel[1], pixel[2]});
}

inline int32_t KeyXor(const unsigned char* pixel) {  // b0 ^ b1 ^ b2
    return pixel[0] ^ pixel[1] ^ pixel[2];
}
