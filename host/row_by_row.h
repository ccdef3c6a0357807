// RenderRowByRow: the host's render of a frame whose rows are sorted alone
// (SortsRowsAlone), with no working copy of the frame: each row that fits the
// output world is read from the input, sorted in the engine's byte order and
// written to the output in the host's, then progress is reported to the host after
// every row but the first. Memory for one row and its sorter is taken before the
// first output byte is written: when it cannot be had the answer is
// PF_Err_OUT_OF_MEMORY and the output world is untouched. A host answer other than
// PF_Err_NONE ends the render at once, leaving the rows below as they were.
#pragma once

#include "frame_layout.h"
#include "render_settings.h"

PF_Err RenderRowByRow(const FrameLayout& layout, const RenderSettings& settings, const PF_InData& in_data);
