// The permutation, in working memory, then the window through it.
#include "any_format_render.h"

#include <new>

#include "arranged_window.h"
#include "host_message.h"
#include "host_suites.h"
#include "host_workers.h"
#include "pixel_permutation.h"
#include "shuffle_by_time.h"
#include "window_margins.h"
#include "working_memory.h"

namespace {

// The covered part of the window, moved from the Source frame through `order`:
// window positions in the frame's top-down coordinates, output rows top-down too.
void WriteCover(const DeepFrame& frame, const uint32_t* order, const ImageView& source, const ImageView& output,
                const OfxRectI& cover, int64_t pixelBytes, const SortWorkers& workers)
{
    const FrameWindow window{cover.x1 - source.bounds.x1, source.bounds.y2 - cover.y2, cover.x2 - source.bounds.x1,
                             source.bounds.y2 - cover.y1};
    unsigned char* topLeft = output.data + (int64_t{cover.y2} - 1 - output.bounds.y1) * output.rowBytes +
                             (int64_t{cover.x1} - output.bounds.x1) * pixelBytes;
    WriteArrangedWindow(frame, order, window, DeepRowsOut{topLeft, -output.rowBytes}, workers);
}

}  // namespace

OfxStatus RenderAnyFormat(OfxImageEffectHandle effect, const RenderRequest& request, const PixelFormat& format)
{
    const DeepFrame frame = TopDownFrame(request.source, format);
    const int64_t pixelBytes = PixelBytesOf(frame);
    if (!CanOrderPixels(frame, request.settings)) {
        return ReportError(effect, kOfxStatErrImageFormat, "The frame is too large for Talvenor to arrange.");
    }
    const HostWorkers threads(*Suites(), effect);
    const SortWorkers& workers = threads.Workers();
    try {
        const size_t pixels = static_cast<size_t>(frame.width * frame.height);
        const WorkingMemory memory(*Suites()->effect, effect, pixels * sizeof(uint32_t));
        auto* order = static_cast<uint32_t*>(memory.Data());
        RandSequence sequence = SequenceOfTime(request.time);
        OrderPixels(frame, request.settings, sequence, RandSequence::kMax, order, workers);
        // A render the host called off is of no use to it: nothing is written.
        if (StopAsked(workers)) return kOfxStatOK;
        ClearOutsideFrame(request.output, request.target, request.source.bounds, pixelBytes, workers);
        const OfxRectI cover = Intersect(request.target, request.source.bounds);
        if (cover.x1 < cover.x2 && cover.y1 < cover.y2) {
            WriteCover(frame, order, request.source, request.output, cover, pixelBytes, workers);
        }
    } catch (const std::bad_alloc&) {
        return ReportError(effect, kOfxStatErrMemory,
                           "Talvenor ran out of memory for the order of the frame's pixels.");
    }
    return kOfxStatOK;
}
