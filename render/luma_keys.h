// LumaKeysOfRow: the luma key (LumaKey in orderings.h) of each of `count` pixels of
// a row in `order`, one byte each, into keys[0 .. count - 1], and a count of each
// key added to `tallies`. Pixel i is counted in tally i % kKeyTallies, so that
// neighbours with the same key do not wait on one another's counts; a key's count
// is the sum of its tallies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "pixel_order.h"

constexpr size_t kKeyValues = 256;  // a key fits one byte; pure white, the largest, keys 254
constexpr size_t kKeyTallies = 4;
using KeyCounts = std::array<uint32_t, kKeyValues>;
using KeyTallies = std::array<KeyCounts, kKeyTallies>;

void LumaKeysOfRow(const Pixel* row, size_t count, PixelOrder order, uint8_t* keys, KeyTallies& tallies);
