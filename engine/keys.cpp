// The comparators and the stretch key functions, each made from one key of
// keys.h so that a comparator, its key and its stretch keys always agree.
#include "line_sort_internal.h"

namespace {

// Every key fits well inside 32 bits (at most 255 cubed), so the difference of
// two keys cannot overflow.
template <KeyFunction key>
int CompareByKey(const void* a, const void* b)
{
    return key(static_cast<const unsigned char*>(a)) - key(static_cast<const unsigned char*>(b));
}

// A plain loop with the key inlined, which compilers vectorise.
template <KeyFunction key>
void StretchKeys(const unsigned char* first, int32_t count, int32_t* keys)
{
    for (int32_t i = 0; i < count; ++i) {
        keys[i] = key(PixelAt(first, static_cast<size_t>(i)));
    }
}

}  // namespace

int CompareAverage(const void* a, const void* b)
{
    return CompareByKey<KeyAverage>(a, b);
}
int CompareProduct(const void* a, const void* b)
{
    return CompareByKey<KeyProduct>(a, b);
}
int CompareMaxChannel(const void* a, const void* b)
{
    return CompareByKey<KeyMaxChannel>(a, b);
}
int CompareMinChannel(const void* a, const void* b)
{
    return CompareByKey<KeyMinChannel>(a, b);
}
int CompareXor(const void* a, const void* b)
{
    return CompareByKey<KeyXor>(a, b);
}

void StretchKeysAverage(const unsigned char* first, int32_t count, int32_t* keys)
{
    StretchKeys<KeyAverage>(first, count, keys);
}
void StretchKeysProduct(const unsigned char* first, int32_t count, int32_t* keys)
{
    StretchKeys<KeyProduct>(first, count, keys);
}
void StretchKeysMaxChannel(const unsigned char* first, int32_t count, int32_t* keys)
{
    StretchKeys<KeyMaxChannel>(first, count, keys);
}
void StretchKeysMinChannel(const unsigned char* first, int32_t count, int32_t* keys)
{
    StretchKeys<KeyMinChannel>(first, count, keys);
}
void StretchKeysXor(const unsigned char* first, int32_t count, int32_t* keys)
{
    StretchKeys<KeyXor>(first, count, keys);
}
