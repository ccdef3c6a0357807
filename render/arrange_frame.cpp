// Mode dispatch between the whole-frame orderings and the line sorting engine.
#include "arrange_frame.h"

#include "engine_options.h"
#include "frame_copy.h"
#include "line_sort.h"
#include "orderings.h"

namespace {

// The engine counts pixels, lines and positions in signed 32 bits.
constexpr int64_t kEngineMaxPixels = INT32_MAX;

bool IsWholeFrameMode(Mode mode)
{
    return mode == Mode::SimpleSort || mode == Mode::Random;
}

// An input already in the engine's order is read by a first row pass itself; a
// first column pass measured faster on a plain copy, made in row order, than
// gathering from the input, and an input in another order is copied to convert it.
void SortLinesOfFrame(const PixelRows& input, const RenderSettings& settings, Pixel* arranged,
                      const SortWorkers& workers, bool rowsBottomUp = false)
{
    const SortImage image{reinterpret_cast<unsigned char*>(arranged), static_cast<uint32_t>(input.width),
                          static_cast<uint32_t>(input.height), 4, rowsBottomUp};
    SortSource source{reinterpret_cast<const unsigned char*>(input.first), static_cast<size_t>(input.rowBytes)};
    // The engine reads a source's rows in steps it takes as unsigned: rows that
    // run the other way are copied first.
    if (input.order != PixelOrder::Rgba || settings.orientation == Orientation::Column || input.rowBytes < 0) {
        CopyRows(input, arranged, PixelOrder::Rgba, workers);
        source = SortSource{image.pixels, static_cast<size_t>(input.width) * sizeof(Pixel)};
    }
    SortLinesFromWith(source, image, MakeSortOptions(settings), workers);
}

}  // namespace

bool SortsLines(const RenderSettings& settings)
{
    return !IsWholeFrameMode(settings.mode);
}

bool SortsRowsAlone(const RenderSettings& settings)
{
    return SortsLines(settings) && settings.orientation == Orientation::Row;
}

bool CanArrange(const PixelRows& input, const RenderSettings& settings)
{
    return IsWholeFrameMode(settings.mode) || PixelCount(input) <= kEngineMaxPixels;
}

PixelOrder ArrangeFrame(const PixelRows& input, const RenderSettings& settings, Pixel* arranged,
                        const SortWorkers& workers)
{
    switch (settings.mode) {
    case Mode::SimpleSort:
        // Sorted straight from the input: no copy of the frame in its input order.
        SortPixelsByLuma(input, arranged, workers);
        return input.order;
    case Mode::Random:
        CopyRows(input, arranged, input.order, workers);
        ShufflePixels(arranged, static_cast<size_t>(PixelCount(input)));
        return input.order;
    default: SortLinesOfFrame(input, settings, arranged, workers); return PixelOrder::Rgba;
    }
}

void ArrangeLinesBottomUp(const PixelRows& input, const RenderSettings& settings, Pixel* arranged,
                          const SortWorkers& workers)
{
    SortLinesOfFrame(input, settings, arranged, workers, true);
}
