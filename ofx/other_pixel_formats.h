// RenderOtherPixelFormat: the render of every declared pixel format but 8-bit
// RGBA (16-bit and 32-bit float, RGBA and RGB, and 8-bit RGB), where the render
// core's paths for them will plug in. Until then it tells the user and returns
// kOfxStatErrUnsupported, writing nothing.
#pragma once

#include "render_request.h"

OfxStatus RenderOtherPixelFormat(OfxImageEffectHandle effect, const RenderRequest& request);
