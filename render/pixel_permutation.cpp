// SortPixelOrder: Simple Sort through the luma ordering of indices, the line Modes
// through the engine sorting indices by their pixels' keys (line_order.h).
#include "pixel_permutation.h"

#include <numeric>

#include "arrange_frame.h"
#include "line_order.h"
#include "orderings.h"

bool CanOrderPixels(const DeepFrame& frame, const RenderSettings& settings)
{
    const PixelRows rows{nullptr, 0, frame.width, frame.height, PixelOrder::Rgba};
    return PixelCount(rows) <= int64_t{UINT32_MAX} && CanArrange(rows, settings);
}

void SortPixelOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order, const SortWorkers& workers)
{
    if (settings.mode == Mode::SimpleSort) {
        SortIndicesByLuma(frame, order, workers);
    } else {
        SortLineOrder(frame, settings, order, workers);
    }
}

void FillIndices(const DeepFrame& frame, uint32_t* order, const SortWorkers& workers)
{
    auto fill = [&](int64_t firstRow, int64_t endRow, int32_t) {
        std::iota(order + firstRow * frame.width, order + endRow * frame.width,
                  static_cast<uint32_t>(firstRow * frame.width));
    };
    SpreadRows(workers, frame.height, fill);
}
