// RenderRequest: one render as a pixel format's render takes it: the Source and
// Output images, the window to fill (pixel coordinates, half-open) and its part
// within the Output image's bounds, the frame's time and the parameters' values at
// that time.
#pragma once

#include "image_view.h"
#include "render_settings.h"

struct RenderRequest {
    ImageView source;
    ImageView output;
    OfxRectI window{};
    OfxRectI target{};  // the window clipped to the Output image's bounds
    OfxTime time = 0;
    RenderSettings settings{};
};
