// RenderFrame: one render of a frame through a given EntryPointFunc (the linked
// one or a loaded module's), with the caller's FakeHost records. The pixels go
// into a guarded input world with a row gap; the result is read back from a
// guarded output world with a gap of its own. Each thread must bring its own host.
//
// ProblemWith says what is wrong with a render that every Mode must get right:
// success, no byte written outside the output's pixels, the input left as it was,
// and each input pixel, all four bytes, in the output exactly once. Empty if none.
#pragma once

#include <string>
#include <vector>

#include "fake_host.h"
#include "guarded_world.h"
#include "render_params.h"

struct RenderedFrame {
    PF_Err result;
    std::vector<PF_Pixel> pixels;  // the output world's pixels, row-major
    bool worldsIntact;             // gaps and guards of both worlds, and the input's pixels
};

inline RenderedFrame RenderFrame(PF_EntryPointFunc entry, FakeHost& host, const std::vector<PF_Pixel>& pixels,
                                 int width, int height, const EffectSettings& settings)
{
    GuardedWorld input(width, height, 3);
    GuardedWorld output(width, height, 1);
    input.Fill(pixels);
    RenderParams params(input.layer, settings);
    const PF_Err result = entry(PF_Cmd_RENDER, &host.in_data, &host.out_data, params.List(), &output.layer, nullptr);
    host.progressCalls.clear();
    const bool intact = output.CanariesIntact() && input.CanariesIntact() && input.Pixels() == pixels;
    return {result, output.Pixels(), intact};
}

inline std::string ProblemWith(const RenderedFrame& rendered, const std::vector<PF_Pixel>& input)
{
    if (rendered.result != PF_Err_NONE) return "render returned " + std::to_string(rendered.result);
    if (!rendered.worldsIntact) return "a byte outside the output's pixels changed";
    if (PixelMultiset(rendered.pixels) != PixelMultiset(input)) return "the output is not the input's pixels";
    return "";
}
