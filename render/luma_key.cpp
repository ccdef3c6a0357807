// LumaKey: the BT.709 luma of a pixel, the key of Simple Sort.
#include "orderings.h"

int32_t LumaKey(const PF_Pixel& pixel)
{
    // The grouping and the truncation are part of the key: pure white sums to just
    // under 255 and keys as 254, and some greys key one below their level.
    const double luma = (0.2126 * pixel.red + 0.7152 * pixel.green) + 0.0722 * pixel.blue;
    return static_cast<int32_t>(luma);
}
