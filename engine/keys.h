// The five pixel keys, defined inline so that the stretch key functions built
// from them compile to one tight loop per key. Each takes a pointer to one
// pixel and reads its three colour bytes b0, b1, b2 only, so alpha never
// affects the order; each is symmetric in the three bytes.
#pragma once

#include <algorithm>
#include <cstdint>

constexpr int32_t kByteKeyLimit = 255;                 // the largest key of the four byte-sized keys
constexpr int32_t kProductKeyLimit = 255 * 255 * 255;  // the largest KeyProduct

// (b0 + b1 + b2) / 3, truncated.
inline int32_t KeyAverage(const unsigned char* pixel)
{
    return (int32_t{pixel[0]} + pixel[1] + pixel[2]) / 3;
}

// b0 * b1 * b2.
inline int32_t KeyProduct(const unsigned char* pixel)
{
    return int32_t{pixel[0]} * pixel[1] * pixel[2];
}

// The largest colour byte.
inline int32_t KeyMaxChannel(const unsigned char* pixel)
{
    return std::max({pixel[0], pixel[1], pixel[2]});
}

// The smallest colour byte.
inline int32_t KeyMinChannel(const unsigned char* pixel)
{
    return std::min({pixel[0], pixel[1], pixel[2]});
}

// b0 ^ b1 ^ b2.
inline int32_t KeyXor(const unsigned char* pixel)
{
    return pixel[0] ^ pixel[1] ^ pixel[2];
}
