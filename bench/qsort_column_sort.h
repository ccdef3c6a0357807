// The first engine's way of sorting whole columns by Average, kept compact as a
// yardstick for the engine: transpose the columns into a line buffer, qsort each
// line with a comparator that computes both keys at every comparison, transpose
// back. Takes an RGBA frame (four bytes a pixel) and sorts it in place.
#pragma once

#include <cstdint>

void QsortColumnSortAverage(unsigned char* pixels, uint32_t width, uint32_t height);
