// What render tests share beside GuardedWorld: one PF_Cmd_RENDER sent through a fake
// host, and what the engine alone makes of a frame in the host's byte order.
#pragma once

#include <vector>

#include "fake_host.h"
#include "line_sort.h"
#include "parameters.h"
#include "render_params.h"

inline PF_Err SendRender(FakeHost& host, const PF_LayerDef& input, PF_LayerDef& output,
                         const EffectSettings& settings)
{
    RenderParams params(input, settings);
    return host.Send(PF_Cmd_RENDER, params.List(), &output);
}

// What the engine makes of a frame in the host's byte order, converted byte by byte.
inline std::vector<PF_Pixel> SortedByEngine(std::vector<PF_Pixel> frame, int width, int height, SortOptions options)
{
    std::vector<unsigned char> rgba;
    for (const PF_Pixel& p : frame) rgba.insert(rgba.end(), {p.red, p.green, p.blue, p.alpha});
    SortLines(SortImage{rgba.data(), uint32_t(width), uint32_t(height), 4}, options);
    for (size_t i = 0; i < frame.size(); ++i) {
        frame[i] = {rgba[4 * i + 3], rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]};
    }
    return frame;
}
