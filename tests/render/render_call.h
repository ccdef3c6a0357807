// What render tests share beside GuardedWorld: one PF_Cmd_RENDER sent through a
// fake host, and what the engine alone makes of a frame in the host's byte order.
#pragma once

#include <vector>

#include "host_pixels.h"
#include "line_sort.h"
#include "parameters.h"
#include "send_render.h"

// What the engine makes of a frame in the host's byte order, converted to the
// engine's and back.
inline std::vector<PF_Pixel> SortedByEngine(std::vector<PF_Pixel> frame, int width, int height, SortOptions options)
{
    std::vector<Pixel> rgba(frame.size());
    ReorderPixels(AsPixels(frame.data()), PixelOrder::Argb, rgba.data(), PixelOrder::Rgba, frame.size());
    SortLines(SortImage{rgba[0].bytes, uint32_t(width), uint32_t(height), 4}, options);
    ReorderPixels(rgba.data(), PixelOrder::Rgba, AsPixels(frame.data()), PixelOrder::Argb, frame.size());
    return frame;
}
