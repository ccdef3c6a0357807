// Engine-only cases: SortLines on a fresh copy of the input each iteration, the
// old qsort column sort, and the memcpy baseline that every ratio divides by.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_cases.h"
#include "counting_allocator.h"
#include "line_sort.h"
#include "qsort_column_sort.h"

namespace {

const char* const kModeNames[] = {"AllPixels", "Highlights", "Shadows"};
const char* const kDirectionNames[] = {"Column", "Row", "Both"};
const char* const kComparatorNames[] = {"Average", "Multiply", "Min", "Max", "Xor"};

// Copies one touched frame into another: the cost of moving the frame once.
void CopyFrame(benchmark::State& state, FrameSize size) {
    std::vector<unsigned char> source = InputFrame(size);
    std::vector<unsigned char> target(source.size(), 1);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

// Times `sort` on a fresh copy of the input each iteration; the copy is not timed.
template <typename Sort>
void SortFreshCopies(benchmark::State& state, FrameSize size, Sort sort) {
    const std::vector<unsigned char>& input = InputFrame(size);
    std::vector<unsigned char> frame = input;
    StartPeakMemory();
    sort(frame.data());
    state.counters["peak_bytes"] = static_cast<double>(PeakMemorySinceStart());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(frame.data(), input.data(), input.size());
        state.ResumeTiming();
        sort(frame.data());
        benchmark::ClobberMemory();
    }
}

void SortWithEngine(benchmark::State& state, FrameSize size, SortOptions options) {
    SortFreshCopies(state, size, [&](unsigned char* pixels) {
        SortLines(SortImage{pixels, size.width, size.height, 4}, options);
    });
}

void RegisterEngineCase(FrameSize size, SortMode mode, SortDirection direction, SortComparator comparator) {
    const int32_t threshold = mode == SortMode::Highlights ? 255 - kThreshold : kThreshold;
    const SortOptions options{direction, comparator, mode, threshold};
    const std::string name = SizeName(size) + "/engine/" + kModeNames[static_cast<int>(mode)] + "/" +
                             kDirectionNames[static_cast<int>(direction)] + "/" +
                             kComparatorNames[static_cast<int>(comparator)];
    benchmark::RegisterBenchmark(name.c_str(), SortWithEngine, size, options)->Unit(benchmark::kMillisecond);
}

}  // namespace

void RegisterEngineBenchmarks() {
    for (const FrameSize size : kFrameSizes) {
        benchmark::RegisterBenchmark((SizeName(size) + "/memcpy").c_str(), CopyFrame, size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((SizeName(size) + "/qsort/AllPixels/Column/Average").c_str(),
                                     [size](benchmark::State& state) {
                                         SortFreshCopies(state, size, [size](unsigned char* pixels) {
                                             QsortColumnSortAverage(pixels, size.width, size.height);
                                         });
                                     })
            ->Unit(benchmark::kMillisecond);
        for (const SortMode mode : {SortMode::Highlights, SortMode::Shadows, SortMode::AllPixels}) {
            for (const SortDirection direction : {SortDirection::Column, SortDirection::Row, SortDirection::Both}) {
                RegisterEngineCase(size, mode, direction, SortComparator::Average);
            }
        }
        RegisterEngineCase(size, SortMode::AllPixels, SortDirection::Column, SortComparator::Multiply);
    }
}
