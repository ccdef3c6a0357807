// Whole-frame orderings: rearrange a row-major array of n host pixels in place,
// moving whole pixels (alpha included) and never changing a byte.
//
// SortPixelsByLuma: ascending LumaKey, darkest first. ShufflePixels: a uniformly
// random order drawn from the C library's rand, which is never seeded here. Both
// may throw std::bad_alloc when working memory cannot be had; the array is then
// left as it was.
#pragma once

#include <cstddef>

#include "host_api.h"

int32_t LumaKey(const PF_Pixel& pixel);
void SortPixelsByLuma(PF_Pixel* pixels, size_t count);
void ShufflePixels(PF_Pixel* pixels, size_t count);
