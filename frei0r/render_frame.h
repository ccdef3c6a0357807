// RenderFrame: one frame of a frei0r host through the effect's render path.
//
// `input` and `output` hold width x height pixels of 4 bytes in RGBA order, rows of
// exactly width * 4 bytes, at any 4-byte alignment; they may be the same buffer.
// The output is the input rearranged as the settings say; when the frame cannot be
// arranged (working memory runs out, or the frame is too large for the engine) it
// is a copy of the input, since frei0r has no way to report a failure. Safe to
// call from several threads at once, each with its own output.
#pragma once

#include <cstdint>

#include "render_settings.h"

void RenderFrame(const RenderSettings& settings, uint32_t width, uint32_t height, const uint32_t* input,
                 uint32_t* output);
// The output a copy of the input: what a frame gets when it cannot be rendered.
void PassFrameThrough(uint32_t width, uint32_t height, const uint32_t* input, uint32_t* output);
