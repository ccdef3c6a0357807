// SortPixelOrder: Simple Sort through the luma ordering of indices, the line Modes
// through the engine sorting indices by a key table made once for the frame.
#include "pixel_permutation.h"

#include <memory>

#include "arrange_frame.h"
#include "engine_options.h"
#include "orderings.h"

namespace {

// Every pixel's key for the engine's comparator, from its 8-bit values, row-major.
std::unique_ptr<int32_t[]> KeyTable(const DeepFrame& frame, const SortOptions& options)
{
    const size_t width = static_cast<size_t>(frame.width);
    std::unique_ptr<int32_t[]> table(new int32_t[width * static_cast<size_t>(frame.height)]);
    std::unique_ptr<Pixel[]> row(new Pixel[width]);
    for (int64_t y = 0; y < frame.height; ++y) {
        EightBitRgbaRow(frame, y, row.get());
        KeysOfPixels(options, row[0].bytes, static_cast<int32_t>(width), table.get() + y * frame.width);
    }
    return table;
}

void SortLineOrder(const DeepFrame& frame, const RenderSettings& settings, uint32_t* order)
{
    SortOptions options = MakeSortOptions(settings);
    const std::unique_ptr<int32_t[]> table = KeyTable(frame, options);
    options.keyTable = table.get();
    std::iota(order, order + frame.width * frame.height, uint32_t{0});
    SortLines(SortImage{reinterpret_cast<unsigned char*>(order), static_cast<uint32_t>(frame.width),
                        static_cast<uint32_t>(frame.height), 4},
              options);
}

}  // namespace

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
