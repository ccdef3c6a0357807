// SendRender: one PF_Cmd_RENDER of an input world with the given settings into an
// output world, sent through a fake host as the host sends it.
#pragma once

#include "fake_host.h"
#include "render_params.h"

inline PF_Err SendRender(FakeHost& host, const PF_LayerDef& input, PF_LayerDef& output, const EffectSettings& settings)
{
    RenderParams params(input, settings);
    return host.Send(PF_Cmd_RENDER, params.List(), &output);
}
