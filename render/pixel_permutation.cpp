// SortPixelOrder: Simple Sort through the luma ordering of indices, the line Modes
// through the engine sorting indices by their pixels' keys (line_order.h).
#include "pixel_permutation.h"

#include "arrange_frame.h"
#include "line_order.h"
#include "orderings.h"

bool CanOrderPixels(const DeepFrame& frame, const RenderSettings& settings)
{
    const PixelRows rows{nullptr, 0, frame.width, frame.height, PixelOrder::Rgba};
    return PixelCount(rows) <= int64_t{UINT32_MAX} && CanArrange(rows, settings);
}

void SortPixelOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    if (settings.mode == Mode::SimpleSort) {
        SortIndicesByLuma(frame, order);
    } else {
        SortLineOrder(frame, settings, order);
    }
}
