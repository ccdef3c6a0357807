// The render core shared out among 1 and 2 workers on threads of their own, at
// 3840 x 2160: ArrangeFrame on the 8-bit RGBA frame, and the permutation
// (OrderPixels) with its window write (WriteArrangedWindow) of the Float RGBA
// frame. Names: "<size>/threads<N>/<arrange|deep-float>/<Mode>[/<Orientation>/<Comparator>]".
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "arrange_frame.h"
#include "arranged_window.h"
#include "bench_cases.h"
#include "parameters.h"
#include "pixel_permutation.h"

namespace {

constexpr FrameSize kThreadsSize{3840, 2160};

// Worker 0 on the calling thread, every other on a thread started for the run:
// a face's pool would start none, so this slightly understates the gain.
SortWorkers ThreadWorkers(int32_t count)
{
    const auto run = [](void* context, void (*work)(void*, int32_t), void* argument) {
        const int32_t workers = static_cast<int32_t>(reinterpret_cast<intptr_t>(context));
        std::vector<std::thread> threads;
        for (int32_t w = 1; w < workers; ++w) threads.emplace_back(work, argument, w);
        work(argument, 0);
        for (std::thread& thread : threads) thread.join();
    };
    return SortWorkers{count, run, nullptr, reinterpret_cast<void*>(intptr_t{count})};
}

RenderSettings SettingsOf(RenderCase settings)
{
    return RenderSettings{SettingOfChoice<Mode>(settings.mode), SettingOfChoice<Orientation>(settings.orientation),
                          SettingOfChoice<Comparator>(settings.comparator), kThreshold};
}

void ArrangeOnThreads(benchmark::State& state, RenderSettings settings, int32_t count)
{
    const std::vector<unsigned char>& input = InputFrame(kThreadsSize);
    std::vector<Pixel> arranged(input.size() / 4);
    const PixelRows rows{reinterpret_cast<const Pixel*>(input.data()), kThreadsSize.width * 4, kThreadsSize.width,
                         kThreadsSize.height, PixelOrder::Rgba};
    for (auto _ : state) {
        ArrangeFrame(rows, settings, arranged.data(), ThreadWorkers(count));
        benchmark::ClobberMemory();
    }
}

void PermuteFloatOnThreads(benchmark::State& state, RenderSettings settings, int32_t count)
{
    std::vector<float> input;
    for (unsigned char byte : InputFrame(kThreadsSize)) input.push_back(byte / 255.0f);
    const DeepFrame frame{input.data(),         kThreadsSize.width * 16, kThreadsSize.width, kThreadsSize.height, 4,
                          ComponentDepth::Float};
    std::vector<uint32_t> order(input.size() / 4, 1);
    std::vector<float> output(input.size(), 1.0f);
    std::mt19937 random(1);
    for (auto _ : state) {
        OrderPixels(frame, settings, random, UINT32_MAX, order.data(), ThreadWorkers(count));
        WriteArrangedWindow(frame, order.data(), FrameWindow{0, 0, frame.width, frame.height},
                            DeepRowsOut{output.data(), frame.rowBytes}, ThreadWorkers(count));
        benchmark::ClobberMemory();
    }
}

}  // namespace

void RegisterThreadsBenchmarks()
{
    const RenderCase cases[] = {{ModeSimpleSort, OrientationColumn, ComparatorAverage},
                                {ModeHighlights, OrientationColumn, ComparatorAverage},
                                {ModeAllPixels, OrientationRow, ComparatorAverage},
                                {ModeAllPixels, OrientationBoth, ComparatorMultiply}};
    for (const int32_t count : {1, 2}) {
        const std::string face = "threads" + std::to_string(count);
        for (const RenderCase settings : cases) {
            const RenderSettings render = SettingsOf(settings);
            benchmark::RegisterBenchmark(RenderCaseName(kThreadsSize, (face + "/arrange").c_str(), settings).c_str(),
                                         ArrangeOnThreads, render, count)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark(RenderCaseName(kThreadsSize, (face + "/deep-float").c_str(), settings).c_str(),
                                         PermuteFloatOnThreads, render, count)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
}
