// What render tests share beside TestWorld: the four settings of a render, one
// PF_Cmd_RENDER sent through a fake host with the input layer in params[0] and the
// settings in params[1..4], and what the engine alone makes of a host frame.
#pragma once

#include <vector>

#include "fake_host.h"
#include "line_sort.h"
#include "parameters.h"

struct Settings {
    A_long mode = ModeHighlights;
    A_long orientation = OrientationColumn;
    A_long comparator = ComparatorAverage;
    A_long threshold = 45;
};

inline PF_Err SendRender(FakeHost& host, const PF_LayerDef& input, PF_LayerDef& output, const Settings& settings)
{
    PF_ParamDef defs[ParamCount] = {};
    defs[InputLayerParam].u.ld = input;
    defs[ModeParam].u.pd.value = settings.mode;
    defs[OrientationParam].u.pd.value = settings.orientation;
    defs[ComparatorParam].u.pd.value = settings.comparator;
    defs[ThresholdParam].u.sd.value = settings.threshold;
    PF_ParamDef* params[ParamCount];
    for (int i = 0; i < ParamCount; ++i) params[i] = &defs[i];
    return host.Send(PF_Cmd_RENDER, params, &output);
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
