// Mode dispatch between the whole-frame orderings and the line sorting engine.
#include "arrange_frame.h"

#include "engine_options.h"
#include "line_sort.h"
#include "orderings.h"
#include "parameters.h"
#include "rgba_order.h"

namespace {

// The engine counts pixels, lines and positions in signed 32 bits.
constexpr int64_t kEngineMaxPixels = INT32_MAX;

bool IsWholeFrameMode(PF_ParamValue mode)
{
    return mode == ModeSimpleSort || mode == ModeRandom;
}

void SortLinesOfFrame(PF_Pixel* frame, const FrameLayout& layout, const RenderSettings& settings)
{
    const size_t count = static_cast<size_t>(PixelCount(layout));
    PackRgba(frame, count);
    const SortImage image{reinterpret_cast<unsigned char*>(frame), static_cast<uint32_t>(layout.width),
                          static_cast<uint32_t>(layout.height), 4};
    SortLines(image, MakeSortOptions(settings));
    UnpackRgba(frame, count);
}

}  // namespace

bool CanArrange(const FrameLayout& layout, const RenderSettings& settings)
{
    return IsWholeFrameMode(settings.mode) || PixelCount(layout) <= kEngineMaxPixels;
}

void ArrangeFrame(PF_Pixel* frame, const FrameLayout& layout, const RenderSettings& settings)
{
    const size_t count = static_cast<size_t>(PixelCount(layout));
    switch (settings.mode) {
    case ModeSimpleSort:
        SortPixelsByLuma(frame, count);
        break;
    case ModeRandom:
        ShufflePixels(frame, count);
        break;
    default:
        SortLinesOfFrame(frame, layout, settings);
        break;
    }
}
