// WriteWindow: writes the pixels of `target` (pixel coordinates, inside the
// output image's bounds) into an 8-bit RGBA output image, and nothing else. A
// pixel the arranged frame covers gets its arranged pixel; any
// other gets transparent black. Rows are shared out among the workers.
//
// TurnUpsideDown: an output image whose rows, packed, hold an arranged frame top
// row first, turned into OpenFX's bottom-up rows in place.
//
// ArrangedFrame: an 8-bit RGBA frame arranged into a row-major array, top row
// first, that stands where the Source image's bounds say (its top row is y =
// bounds.y2 - 1).
#pragma once

#include "image_view.h"
#include "pixel_order.h"
#include "workers.h"

struct ArrangedFrame {
    const Pixel* pixels;
    OfxRectI bounds;
};

void TurnUpsideDown(const ImageView& output, const SortWorkers& workers);
void WriteWindow(const ArrangedFrame& frame, const ImageView& output, const OfxRectI& target,
                 const SortWorkers& workers);
