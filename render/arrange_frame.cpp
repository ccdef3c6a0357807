// Mode dispatch between the whole-frame orderings and the line sorting engine.
#include "arrange_frame.h"

#include "engine_options.h"
#include "line_sort.h"
#include "orderings.h"
#include "parameters.h"

namespace {

// The engine counts pixels, lines and positions in signed 32 bits.
constexpr int64_t kEngineMaxPixels = INT32_MAX;

bool IsWholeFrameMode(PF_ParamValue mode)
{
    return mode == ModeSimpleSort || mode == ModeRandom;
}

PixelRows InputRows(const FrameLayout& layout)
{
    return PixelRows{layout.input->data, layout.input->rowbytes, layout.width, layout.height};
}

WorkingFrame SortLinesOfFrame(const FrameLayout& layout, const RenderSettings& settings)
{
    WorkingFrame frame = CopyIn(layout, PixelOrder::Rgba);
    const SortImage image{reinterpret_cast<unsigned char*>(frame.pixels.get()), static_cast<uint32_t>(layout.width),
                          static_cast<uint32_t>(layout.height), 4};
    SortLines(image, MakeSortOptions(settings));
    return frame;
}

}  // namespace

bool CanArrange(const FrameLayout& layout, const RenderSettings& settings)
{
    return IsWholeFrameMode(settings.mode) || PixelCount(layout) <= kEngineMaxPixels;
}

WorkingFrame ArrangeFrame(const FrameLayout& layout, const RenderSettings& settings)
{
    switch (settings.mode) {
    case ModeSimpleSort: {
        // Sorted straight from the input world: no copy of the frame in its input order.
        WorkingFrame frame{AllocateFrame(layout), PixelOrder::Host};
        SortPixelsByLuma(InputRows(layout), frame.pixels.get());
        return frame;
    }
    case ModeRandom: {
        WorkingFrame frame = CopyIn(layout, PixelOrder::Host);
        ShufflePixels(frame.pixels.get(), static_cast<size_t>(PixelCount(layout)));
        return frame;
    }
    default:
        return SortLinesOfFrame(layout, settings);
    }
}
