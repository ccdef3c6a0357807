// RenderByteRgba: the render of 8-bit RGBA images. The whole Source frame is
// arranged into a working copy, as the frei0r face arranges a frame, top row
// first; then exactly the render window, clipped to the Output image's bounds,
// is written: each pixel from the arranged frame where the Source frame has one
// and transparent black where it has none. When the window is the whole frame,
// in its place, and the output's rows are packed, the frame is arranged in the
// output itself: the line Modes in the images' own bottom-up rows, the others
// top row first and then turned the right way up. Random orders the frame by its time
// (ShuffleByTime), so that a frame renders alike every time.
//
// The render action has checked both images' layout and that the target is not
// empty. A frame too large for the engine is an image format error; no memory for
// the working copy is kOfxStatErrMemory. Each is reported to the host, and
// nothing is written. A render the host aborts ends promptly, having written
// nothing outside the window (within it, what the host will not use).
#pragma once

#include "render_request.h"

OfxStatus RenderByteRgba(OfxImageEffectHandle effect, const RenderRequest& request);
