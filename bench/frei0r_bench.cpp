// Whole frames through the frei0r face, f0r_update on one instance, in the same
// cases as the renders through EntryPointFunc: the two faces' costs side by side.
// frei0r hands the plug-in RGBA frames, so the input is the natural frame as it is.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench_cases.h"
#include "counting_allocator.h"
#include "frei0r_api.h"

namespace {

void SetChoice(f0r_instance_t instance, int index, PF_ParamValue choice)
{
    const std::string number = std::to_string(choice);
    const char* text = number.c_str();
    f0r_set_param_value(instance, &text, index);
}

void UpdateFrame(benchmark::State& state, FrameSize size, RenderCase settings)
{
    const std::vector<unsigned char>& rgba = InputFrame(size);
    std::vector<uint32_t> input(rgba.size() / 4);
    std::memcpy(input.data(), rgba.data(), rgba.size());
    std::vector<uint32_t> output(input.size());
    const f0r_instance_t instance = f0r_construct(size.width, size.height);
    SetChoice(instance, 0, settings.mode);
    SetChoice(instance, 1, settings.orientation);
    SetChoice(instance, 2, settings.comparator);
    double threshold = kThreshold / 255.0;
    f0r_set_param_value(instance, &threshold, 3);
    StartPeakMemory();
    f0r_update(instance, 0, input.data(), output.data());
    state.counters["peak_bytes"] = static_cast<double>(PeakMemorySinceStart());
    for (auto _ : state) {
        f0r_update(instance, 0, input.data(), output.data());
        benchmark::ClobberMemory();
    }
    f0r_destruct(instance);
}

}  // namespace

void RegisterFrei0rBenchmarks()
{
    for (const FrameSize size : kFrameSizes) {
        for (const RenderCase settings : RenderCases()) {
            benchmark::RegisterBenchmark(RenderCaseName(size, "frei0r", settings).c_str(), UpdateFrame, size, settings)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
