// SortLineOrder: the arrangement of a line Mode (Highlights, Shadows, All pixels,
// and any Mode without a name, as the engine reads it) of a frame of any format,
// as pixel_permutation.h describes it: exactly the engine's arrangement of the
// frame's 8-bit RGBA values. It takes all its memory before writing to `order`
// and may throw std::bad_alloc. Its rows and column blocks are shared out among
// the workers (workers.h), with the same order for any number of them; once
// stopped says stop, the rest is left out and `order` is unfinished.
#pragma once

#include <cstdint>

#include "deep_frame.h"
#include "render_settings.h"
#include "workers.h"

void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order,
                   const SortWorkers& workers = SerialWorkers());
