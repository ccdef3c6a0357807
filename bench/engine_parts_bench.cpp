// Engine parts on the 3840 x 2160 frame, to show where a column pass spends its
// time: moving every column block out and back with no sorting, and the keys of
// every line. The rest of a pass is sorting.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_cases.h"
#include "line_sort_internal.h"

namespace {

// Runs partOfPass on every block of a pass over a fresh copy of the frame.
template <typename Part>
void TimePart(benchmark::State& state, FrameSize size, SortDirection direction, Part partOfPass) {
    std::vector<unsigned char> frame = InputFrame(size);
    const SortImage image{frame.data(), size.width, size.height, 4};
    const SortOptions options{direction, SortComparator::Average, SortMode::AllPixels, 0};
    LineSorter* pass = MakeLineSorter(image, options, direction);
    if (pass == nullptr) {
        state.SkipWithError("no memory for the pass");
        return;
    }
    for (auto _ : state) {
        for (int32_t firstLine = 0; firstLine < pass->lineCount; firstLine += pass->blockLines) {
            partOfPass(image, *pass, firstLine, std::min(pass->blockLines, pass->lineCount - firstLine));
        }
        benchmark::ClobberMemory();
    }
    FreeLineSorters(pass);
}

void MoveColumnBlocks(benchmark::State& state, FrameSize size) {
    TimePart(state, size, SortDirection::Column,
             [](const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount) {
                 RestoreLines(image, pass, firstLine, lineCount, ExtractLines(SortSource{image.pixels, image.width * kPixelBytes}, image, pass, firstLine, lineCount));
             });
}

void KeysOfRows(benchmark::State& state, FrameSize size) {
    TimePart(state, size, SortDirection::Row,
             [](const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount) {
                 const unsigned char* lines = ExtractLines(SortSource{image.pixels, image.width * kPixelBytes}, image, pass, firstLine, lineCount);
                 for (int32_t i = 0; i < lineCount; ++i) {
                     pass.stretchKeyFunction(PixelAt(lines, static_cast<size_t>(i) * image.width), pass.lineLength,
                                             pass.scratch.keys);
                 }
             });
}

}  // namespace

void RegisterEnginePartBenchmarks() {
    const FrameSize size = kFrameSizes[1];
    benchmark::RegisterBenchmark((SizeName(size) + "/parts/MoveColumnBlocks").c_str(), MoveColumnBlocks, size)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((SizeName(size) + "/parts/KeysOfRows/Average").c_str(), KeysOfRows, size)
        ->Unit(benchmark::kMillisecond);
}
