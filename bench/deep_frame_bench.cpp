// Frames of other formats at 3840 x 2160: ArrangeFrame on the 8-bit RGBA frame,
// beside the permutation (OrderPixels) and its window write (WriteArrangedWindow)
// of the same frame as Byte RGBA and as Float RGBA, so that their ratios read off.
// Names: "<size>/<arrange|deep-byte|deep-float>/<Mode>[/<Orientation>/<Comparator>]".
#include <benchmark/benchmark.h>

#include <random>

#include "arrange_frame.h"
#include "arranged_window.h"
#include "bench_cases.h"
#include "parameters.h"
#include "pixel_permutation.h"

namespace {

constexpr FrameSize kDeepSize{3840, 2160};

RenderSettings SettingsOf(RenderCase settings)
{
    return RenderSettings{SettingOfChoice<Mode>(settings.mode), SettingOfChoice<Orientation>(settings.orientation),
                          SettingOfChoice<Comparator>(settings.comparator), kThreshold};
}

void ArrangeEightBit(benchmark::State& state, RenderSettings settings)
{
    const std::vector<unsigned char>& input = InputFrame(kDeepSize);
    std::vector<Pixel> arranged(input.size() / 4);
    const PixelRows rows{reinterpret_cast<const Pixel*>(input.data()), kDeepSize.width * 4, kDeepSize.width,
                         kDeepSize.height, PixelOrder::Rgba};
    for (auto _ : state) {
        ArrangeFrame(rows, settings, arranged.data());
        benchmark::ClobberMemory();
    }
}

// The permutation into a touched array, and the whole frame written through it.
void ArrangeDeep(benchmark::State& state, RenderSettings settings, const DeepFrame& frame)
{
    const size_t count = static_cast<size_t>(frame.width * frame.height);
    std::vector<uint32_t> order(count, 1);
    std::vector<unsigned char> output(count * static_cast<size_t>(PixelBytesOf(frame)), 1);
    std::mt19937 random(1);
    for (auto _ : state) {
        OrderPixels(frame, settings, random, UINT32_MAX, order.data());
        WriteArrangedWindow(frame, order.data(), FrameWindow{0, 0, frame.width, frame.height},
                            DeepRowsOut{output.data(), frame.rowBytes});
        benchmark::ClobberMemory();
    }
}

const std::vector<float>& FloatFrame()
{
    static std::vector<float> frame;
    if (frame.empty()) {
        for (unsigned char byte : InputFrame(kDeepSize)) frame.push_back(byte / 255.0f);
    }
    return frame;
}

DeepFrame DeepView(const void* first, ComponentDepth depth, int64_t componentBytes)
{
    return DeepFrame{first, kDeepSize.width * 4 * componentBytes, kDeepSize.width, kDeepSize.height, 4, depth};
}

}  // namespace

void RegisterDeepFrameBenchmarks()
{
    const RenderCase cases[] = {{ModeSimpleSort, OrientationColumn, ComparatorAverage},
                                {ModeRandom, OrientationColumn, ComparatorAverage},
                                {ModeHighlights, OrientationColumn, ComparatorAverage},
                                {ModeAllPixels, OrientationRow, ComparatorAverage},
                                {ModeAllPixels, OrientationBoth, ComparatorMultiply}};
    for (const RenderCase settings : cases) {
        const RenderSettings render = SettingsOf(settings);
        benchmark::RegisterBenchmark(RenderCaseName(kDeepSize, "arrange", settings).c_str(), ArrangeEightBit, render)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(RenderCaseName(kDeepSize, "deep-byte", settings).c_str(),
                                     [render](benchmark::State& state) {
                                         const DeepFrame frame =
                                             DeepView(InputFrame(kDeepSize).data(), ComponentDepth::Byte, 1);
                                         ArrangeDeep(state, render, frame);
                                     })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(RenderCaseName(kDeepSize, "deep-float", settings).c_str(),
                                     [render](benchmark::State& state) {
                                         ArrangeDeep(state, render,
                                                     DeepView(FloatFrame().data(), ComponentDepth::Float, 4));
                                     })
            ->Unit(benchmark::kMillisecond);
    }
}
