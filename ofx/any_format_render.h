// RenderAnyFormat: the render of every declared pixel format but 8-bit RGBA, the
// one path for 8-bit RGB and for 16-bit and 32-bit float RGBA and RGB. The whole
// Source frame's arrangement is computed once as a permutation of its pixels,
// keyed by their 8-bit values, exactly as the other faces arrange 8-bit frames;
// then the render window, clipped to the Output image's bounds, is written with
// whole pixels moved bit for bit where the Source frame has them, transparent
// black where it has none. Random orders the frame by its time, as the 8-bit RGBA
// render does, so a frame of k / 255 floats renders as its 8-bit twin.
//
// The render action has checked both images' layout and that the target is not
// empty. A frame too large to order is an image format error; no memory for the
// permutation is kOfxStatErrMemory. Each is reported to the host, and nothing is
// written. A render the host aborts writes nothing.
#pragma once

#include "image_view.h"
#include "render_request.h"

OfxStatus RenderAnyFormat(OfxImageEffectHandle effect, const RenderRequest& request, const PixelFormat& format);
