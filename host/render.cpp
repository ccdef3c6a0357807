// Render: the effect's answer to PF_Cmd_RENDER. Checks the host's records, copies
// the input frame into a working copy, rearranges it as Mode says and writes it to
// the output world with progress; a frame whose rows are sorted alone goes through
// row by row instead, with no working copy. Every working byte is released on
// every path.
#include <new>

#include "arrange_frame.h"
#include "copy_out.h"
#include "frame_copy.h"
#include "handlers.h"
#include "host_settings.h"
#include "parameters.h"
#include "row_by_row.h"
#include "suite_cache.h"

PF_Err Render(PF_InData* in_data, PF_OutData* /*out_data*/, PF_ParamDef* params[], PF_LayerDef* output)
{
    if (!in_data) return PF_Err_BAD_CALLBACK_PARAM;
    // Built first so that a host without a basic suite is refused before any pixel
    // is read; it throws that host's error code. No suite is taken from it.
    const SuiteCache suites(in_data->pica_basicP);

    FrameLayout layout;
    if (!HasSettingRecords(params) || !ReadFrameLayout(&params[InputLayerParam]->u.ld, output, &layout)) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const RenderSettings settings = ReadRenderSettings(params);
    if (layout.writtenColumns == 0 || layout.writtenRows == 0) return PF_Err_NONE;
    if (layout.writtenRows > 1 && !in_data->inter.progress) return PF_Err_BAD_CALLBACK_PARAM;
    const PixelRows input = InputRows(layout);
    if (!CanArrange(input, settings)) return PF_Err_OUT_OF_MEMORY;
    if (SortsRowsAlone(settings)) return RenderRowByRow(layout, settings, *in_data);

    // Everything is allocated and arranged before the first output byte is written,
    // so running out of memory leaves the output world untouched.
    WorkingFrame frame;
    try {
        frame.pixels = AllocateFrame(PixelCount(input));
        frame.order = ArrangeFrame(input, settings, frame.pixels.get());
    } catch (const std::bad_alloc&) {
        return PF_Err_OUT_OF_MEMORY;
    }
    return CopyOut(frame, layout, *in_data);
}
