// ClearOutsideFrame: the part of a render window (pixel coordinates, inside the
// output image's bounds) that the Source frame does not cover is transparent
// black: every byte 0, which is 0 at every depth. Intersect gives the part it
// does cover, empty (x1 >= x2 or y1 >= y2) when there is none. Rows are shared out
// among the workers.
#pragma once

#include "image_view.h"
#include "workers.h"

OfxRectI Intersect(const OfxRectI& target, const OfxRectI& frame);
void ClearOutsideFrame(const ImageView& output, const OfxRectI& target, const OfxRectI& frame, int64_t pixelBytes,
                       const SortWorkers& workers);
