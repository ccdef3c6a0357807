// The Average comparator's key of a host pixel, the truncated mean of its three
// colour bytes: the order that the checks of engine renders expect.
#pragma once

#include <cstdint>

#include "host_api.h"
#include "reference_keys.h"

inline int32_t AverageKey(const PF_Pixel& pixel)
{
    return ReferenceKey(SortComparator::Average, pixel.red, pixel.green, pixel.blue);
}
