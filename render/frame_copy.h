// The render's working copy of a frame, a row-major array of width * height pixels
// with no gaps, and the copy of a frame's rows into one.
//
// AllocateFrame gives an uninitialised working copy and may throw std::bad_alloc.
// CopyRows copies a frame's rows into such an array in the byte order asked for,
// converting on the way where the orders differ, in one pass, its rows shared out
// among the workers (workers.h).
#pragma once

#include <memory>

#include "pixel_rows.h"
#include "workers.h"

std::unique_ptr<Pixel[]> AllocateFrame(int64_t pixelCount);
void CopyRows(const PixelRows& from, Pixel* to, PixelOrder toOrder, const SortWorkers& workers = SerialWorkers());
