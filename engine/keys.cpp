// The five pixel keys and their qsort comparators. Keys read the three colour
// bytes only, so alpha never affects the order.
#include <algorithm>

#include "line_sort_internal.h"

namespace {

// Every key fits well inside 32 bits (at most 255 cubed), so the difference of
// two keys cannot overflow.
template <KeyFunction key>
int CompareByKey(const void* a, const void* b) {
    return key(static_cast<const unsigned char*>(a)) - key(static_cast<const unsigned char*>(b));
}

}  // namespace

int32_t KeyAverage(const unsigned char* pixel) {
    return (int32_t{pixel[0]} + pixel[1] + pixel[2]) / 3;
}

int32_t KeyProduct(const unsigned char* pixel) {
    return int32_t{pixel[0]} * pixel[1] * pixel[2];
}

int32_t KeyMaxChannel(const unsigned char* pixel) {
    return std::max({pixel[0], pixel[1], pixel[2]});
}

int32_t KeyMinChannel(const unsigned char* pixel) {
    return std::min({pixel[0], pixel[1], pixel[2]});
}

int32_t KeyXor(const unsigned char* pixel) {
    return pixel[0] ^ pixel[1] ^ pixel[2];
}

int CompareAverage(const void* a, const void* b) { return CompareByKey<KeyAverage>(a, b); }
int CompareProduct(const void* a, const void* b) { return CompareByKey<KeyProduct>(a, b); }
int CompareMaxChannel(const void* a, const void* b) { return CompareByKey<KeyMaxChannel>(a, b); }
int CompareMinChannel(const void* a, const void* b) { return CompareByKey<KeyMinChannel>(a, b); }
int CompareXor(const void* a, const void* b) { return CompareByKey<KeyXor>(a, b); }
