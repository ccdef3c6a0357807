// The key each comparator orders by and whether a key is in a run, written from
// the option tables and not from the engine's key functions, for every test,
// fuzz target and benchmark check that judges a sort. The user's "Min" orders by
// the largest colour byte and "Max" by the smallest; any other value means XOR.
#pragma once

#include <algorithm>
#include <cstdint>

#include "line_sort.h"

inline int32_t ReferenceKey(SortComparator comparator, int32_t b0, int32_t b1, int32_t b2)
{
    switch (comparator) {
    case SortComparator::Average: return (b0 + b1 + b2) / 3;
    case SortComparator::Multiply: return b0 * b1 * b2;
    case SortComparator::Min: return std::max({b0, b1, b2});
    case SortComparator::Max: return std::min({b0, b1, b2});
    default: return b0 ^ b1 ^ b2;
    }
}

// Whether a pixel of this key belongs to a run in the options' mode; in All
// pixels (and any unnamed mode) every pixel does.
inline bool KeyInRun(const SortOptions& options, int32_t key)
{
    switch (options.mode) {
    case SortMode::Highlights: return key > options.threshold;
    case SortMode::Shadows: return key < options.threshold;
    default: return true;
    }
}
