// The Average comparator's key of a host pixel, the truncated mean of its three
// colour bytes: the order that the checks of engine renders expect.
#pragma once

#include <cstdint>

#include "host_api.h"

inline int32_t AverageKey(const PF_Pixel& pixel)
{
    return (int32_t{pixel.red} + pixel.green + pixel.blue) / 3;
}
