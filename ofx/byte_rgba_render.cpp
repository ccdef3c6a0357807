// The 8-bit RGBA render.
#include "byte_rgba_render.h"

#include <cstdlib>
#include <new>

#include "arrange_frame.h"
#include "host_message.h"
#include "host_suites.h"
#include "host_workers.h"
#include "shuffle_by_time.h"
#include "window_copy.h"
#include "window_margins.h"
#include "working_memory.h"

namespace {

bool SameRect(const OfxRectI& a, const OfxRectI& b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

// The output can hold the arranged frame itself when the whole of it is the
// window, in the frame's place, rows packed, apart from the source: then no
// working copy is needed (its fresh pages cost more than the whole sort of a
// row Mode).
bool ArrangesInOutput(const RenderRequest& request)
{
    const OfxRectI& frame = request.source.bounds;
    const int64_t bytes = WidthOf(frame) * HeightOf(frame) * int64_t{sizeof(Pixel)};
    const int64_t lastRow = (HeightOf(frame) - 1) * request.source.rowBytes;
    const unsigned char* source = request.source.data + (lastRow < 0 ? lastRow : 0);
    const unsigned char* sourceEnd = source + std::abs(lastRow) + WidthOf(frame) * int64_t{sizeof(Pixel)};
    const bool apart = request.output.data + bytes <= source || sourceEnd <= request.output.data;
    return SameRect(request.output.bounds, frame) && SameRect(request.target, frame) &&
           request.output.rowBytes == WidthOf(frame) * int64_t{sizeof(Pixel)} && apart;
}

// An 8-bit RGBA frame stays in RGBA order in every Mode.
void Arrange(const PixelRows& frame, const RenderRequest& request, Pixel* arranged, const SortWorkers& workers)
{
    if (request.settings.mode == Mode::Random) {
        ShuffleByTime(frame, request.time, arranged, workers);
    } else {
        ArrangeFrame(frame, request.settings, arranged, workers);
    }
}

}  // namespace

OfxStatus RenderByteRgba(OfxImageEffectHandle effect, const RenderRequest& request)
{
    const PixelRows frame = TopDownRows(request.source);
    if (!CanArrange(frame, request.settings)) {
        return ReportError(effect, kOfxStatErrImageFormat, "The frame is too large for Talvenor to arrange.");
    }
    const HostWorkers threads(*Suites(), effect);
    const SortWorkers& workers = threads.Workers();
    try {
        if (ArrangesInOutput(request)) {
            // Lines are sorted in the images' own bottom-up rows, with nothing to turn.
            auto* arranged = reinterpret_cast<Pixel*>(request.output.data);
            if (SortsLines(request.settings)) {
                const PixelRows rows{reinterpret_cast<const Pixel*>(request.source.data), request.source.rowBytes,
                                     frame.width, frame.height, PixelOrder::Rgba};
                ArrangeLinesBottomUp(rows, request.settings, arranged, workers);
                return kOfxStatOK;
            }
            Arrange(frame, request, arranged, workers);
            if (!StopAsked(workers)) TurnUpsideDown(request.output, workers);
            return kOfxStatOK;
        }
        const WorkingMemory memory(*Suites()->effect, effect, static_cast<size_t>(PixelCount(frame)) * sizeof(Pixel));
        auto* arranged = static_cast<Pixel*>(memory.Data());
        Arrange(frame, request, arranged, workers);
        // A render the host called off is of no use to it: nothing more is written.
        if (StopAsked(workers)) return kOfxStatOK;
        WriteWindow(ArrangedFrame{arranged, request.source.bounds}, request.output, request.target, workers);
    } catch (const std::bad_alloc&) {
        return ReportError(effect, kOfxStatErrMemory, "Talvenor ran out of memory for its working copy of the frame.");
    }
    return kOfxStatOK;
}
