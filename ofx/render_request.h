// RenderRequest: one render as a pixel format's render takes it: the Source and
// Output images, the window to fill (pixel coordinates, half-open), the frame's
// time and the parameters' values at that time.
#pragma once

#include "image_view.h"
#include "render_settings.h"

struct RenderRequest {
    ImageView source;
    ImageView output;
    OfxRectI window{};
    OfxTime time = 0;
    RenderSettings settings{};
};
