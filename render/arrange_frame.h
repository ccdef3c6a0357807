// ArrangeFrame: rearranges the render's working copy (row-major, host byte order)
// as Mode says. Simple Sort and Random order the frame as one list; every other
// Mode value sorts it line by line in the engine, with options from the settings.
//
// CanArrange is false for a frame too large for the engine to address; such a
// frame must not be handed to ArrangeFrame. ArrangeFrame may throw std::bad_alloc.
#pragma once

#include "frame_layout.h"
#include "render_settings.h"

bool CanArrange(const FrameLayout& layout, const RenderSettings& settings);
void ArrangeFrame(PF_Pixel* frame, const FrameLayout& layout, const RenderSettings& settings);
