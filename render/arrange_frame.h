// ArrangeFrame: makes the render's working copy of the input frame, rearranged as
// Mode says. Simple Sort and Random order the frame as one list and leave the copy
// in the host's byte order; every other Mode value sorts it line by line in the
// engine, with options from the settings, and leaves it in the engine's RGBA order.
//
// CanArrange is false for a frame too large for the engine to address; such a
// frame must not be handed to ArrangeFrame. ArrangeFrame may throw std::bad_alloc,
// and reads the input world but never writes a host world.
#pragma once

#include "frame_copy.h"
#include "frame_layout.h"
#include "render_settings.h"

bool CanArrange(const FrameLayout& layout, const RenderSettings& settings);
WorkingFrame ArrangeFrame(const FrameLayout& layout, const RenderSettings& settings);
