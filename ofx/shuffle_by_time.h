// ShuffleByTime: Random in the OpenFX face. The frame's pixels are copied to
// `arranged` (width * height pixels, top row first) and shuffled uniformly with a
// RandSequence seeded from the frame's time alone: rendering a frame again gives
// the same bytes, while neighbouring frames differ. The copy is shared out among
// the workers; the shuffle, one draw after another, is not.
// SequenceOfTime is that sequence, for frames of any pixel format.
#pragma once

#include "ofx_types.h"
#include "pixel_rows.h"
#include "rand_sequence.h"
#include "workers.h"

RandSequence SequenceOfTime(OfxTime time);
void ShuffleByTime(const PixelRows& frame, OfxTime time, Pixel* arranged, const SortWorkers& workers);
