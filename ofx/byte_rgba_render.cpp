// The 8-bit RGBA render.
#include "byte_rgba_render.h"

#include <new>

#include "arrange_frame.h"
#include "host_message.h"
#include "host_suites.h"
#include "host_workers.h"
#include "shuffle_by_time.h"
#include "window_copy.h"
#include "window_margins.h"
#include "working_memory.h"

OfxStatus RenderByteRgba(OfxImageEffectHandle effect, const RenderRequest& request)
{
    const PixelRows frame = TopDownRows(request.source);
    if (!CanArrange(frame, request.settings)) {
        return ReportError(effect, kOfxStatErrImageFormat, "The frame is too large for Talvenor to arrange.");
    }
    const HostWorkers threads(*Suites(), effect);
    const SortWorkers& workers = threads.Workers();
    try {
        const WorkingMemory memory(*Suites()->effect, effect, static_cast<size_t>(PixelCount(frame)) * sizeof(Pixel));
        auto* arranged = static_cast<Pixel*>(memory.Data());
        const PixelOrder order = request.settings.mode == Mode::Random
                                     ? ShuffleByTime(frame, request.time, arranged, workers)
                                     : ArrangeFrame(frame, request.settings, arranged, workers);
        // A render the host called off is of no use to it: nothing is written.
        if (StopAsked(workers)) return kOfxStatOK;
        WriteWindow(ArrangedFrame{arranged, order, request.source.bounds}, request.output, request.target, workers);
    } catch (const std::bad_alloc&) {
        return ReportError(effect, kOfxStatErrMemory, "Talvenor ran out of memory for its working copy of the frame.");
    }
    return kOfxStatOK;
}
