// Whole renders through EntryPointFunc with the fake host: the input layer in
// params[0], Mode, Orientation and Comparator as popup values and Threshold as a
// slider value in params[1..4], as the host hands them to Render.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_cases.h"
#include "counting_allocator.h"
#include "fake_host.h"
#include "parameters.h"
#include "render_params.h"

namespace {

void RenderFrame(benchmark::State& state, FrameSize size, RenderCase settings)
{
    std::vector<PF_Pixel> inputPixels = HostFrame(size);
    std::vector<PF_Pixel> outputPixels(inputPixels.size(), PF_Pixel{1, 1, 1, 1});
    PF_LayerDef output = HostWorld(outputPixels, size);
    RenderParams params(HostWorld(inputPixels, size),
                        {settings.mode, settings.orientation, settings.comparator, kThreshold});
    FakeHost host;
    StartPeakMemory();
    if (host.Send(PF_Cmd_RENDER, params.List(), &output) != PF_Err_NONE) {
        state.SkipWithError("Render failed");
        return;
    }
    state.counters["peak_bytes"] = static_cast<double>(PeakMemorySinceStart());
    for (auto _ : state) {
        host.progressCalls.clear();
        benchmark::DoNotOptimize(host.Send(PF_Cmd_RENDER, params.List(), &output));
        benchmark::ClobberMemory();
    }
}

}  // namespace

void RegisterRenderBenchmarks()
{
    for (const FrameSize size : kFrameSizes) {
        for (const RenderCase settings : RenderCases()) {
            benchmark::RegisterBenchmark(RenderCaseName(size, "render", settings).c_str(), RenderFrame, size, settings)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
