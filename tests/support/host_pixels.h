// The render core's whole-frame orderings over the host's pixels, which the core
// sees as four bytes in ARGB order: what the host face hands it.
#pragma once

#include "host_api.h"
#include "orderings.h"

inline Pixel* AsPixels(PF_Pixel* pixels)
{
    return reinterpret_cast<Pixel*>(pixels);
}

inline const Pixel* AsPixels(const PF_Pixel* pixels)
{
    return reinterpret_cast<const Pixel*>(pixels);
}

inline int32_t LumaKey(const PF_Pixel& pixel)
{
    return LumaKey(pixel.red, pixel.green, pixel.blue);
}

inline void SortPixelsByLuma(PF_Pixel* pixels, size_t count)
{
    SortPixelsByLuma(AsPixels(pixels), count, PixelOrder::Argb);
}

inline void ShufflePixels(PF_Pixel* pixels, size_t count)
{
    ShufflePixels(AsPixels(pixels), count);
}
