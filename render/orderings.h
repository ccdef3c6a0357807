// Whole-frame orderings: rearrange a frame's pixels as one row-major list, moving
// whole pixels (alpha included) and never changing a byte.
//
// LumaKey: the key Simple Sort orders by, from a pixel's red, green and blue bytes.
// SortPixelsByLuma: ascending LumaKey, darkest first, stable: pixels of equal key
// keep their order in the frame, so the result is fully determined. The first form
// reads the frame row by row from wherever it lies, in either byte order, and
// writes the sorted list to `sorted` (width * height pixels in the frame's byte
// order, not overlapping the frame); the second sorts an array in place.
// SortIndicesByLuma: Simple Sort of a frame of any format, as the permutation
// order[i] = the row-major index of the pixel that lands at i: the order
// SortPixelsByLuma gives the frame's 8-bit RGBA values (EightBitRgbaPixels).
// ShufflePixels: a uniformly random order drawn from the Windows C runtime's rand
// sequence (rand itself there, RandSequence elsewhere), never seeded here and going
// on from render to render, one sequence per thread (ShuffleWith in shuffle_with.h
// takes any generator); the byte order does not matter to it.
// Both frame forms share their work out among the workers (workers.h) with the
// same result for any number of them; once stopped says stop, the rest is left
// out and the result is unfinished.
// Sorting may throw std::bad_alloc when working memory cannot be had; its input
// is then left as it was.
#pragma once

#include <cstddef>
#include <cstdint>

#include "deep_frame.h"
#include "pixel_rows.h"
#include "workers.h"

int32_t LumaKey(unsigned char red, unsigned char green, unsigned char blue);
void SortPixelsByLuma(const PixelRows& frame, Pixel* sorted, const SortWorkers& workers = SerialWorkers());
void SortPixelsByLuma(Pixel* pixels, size_t count, PixelOrder order);
void SortIndicesByLuma(const DeepFrame& frame, uint32_t* order, const SortWorkers& workers = SerialWorkers());
void ShufflePixels(Pixel* pixels, size_t count);
