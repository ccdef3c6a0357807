// Engine-only cases: SortLines on a fresh copy of the input each iteration,
// SortLinesFrom from the input into an output frame, a RowSorter over rows
// copied one by one into the output (as a face that streams rows uses it), the
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
void CopyFrame(benchmark::State& state, FrameSize size)
{
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
void SortFreshCopies(benchmark::State& state, FrameSize size, Sort sort)
{
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

void SortWithEngine(benchmark::State& state, FrameSize size, SortOptions options)
{
    SortFreshCopies(state, size, [&](unsigned char* pixels) {
        SortLines(SortImage{pixels, size.width, size.height, 4}, options);
    });
}

// Times sort(input, output) into a touched output frame, with its peak heap.
template <typename Sort>
void SortIntoOutput(benchmark::State& state, FrameSize size, Sort sort)
{
    const std::vector<unsigned char>& input = InputFrame(size);
    std::vector<unsigned char> output(input.size(), 1);
    StartPeakMemory();
    sort(input.data(), output.data());
    state.counters["peak_bytes"] = static_cast<double>(PeakMemorySinceStart());
    for (auto _ : state) {
        sort(input.data(), output.data());
        benchmark::ClobberMemory();
    }
}

void SortFromInput(benchmark::State& state, FrameSize size, SortOptions options)
{
    SortIntoOutput(state, size, [&](const unsigned char* input, unsigned char* output) {
        SortLinesFrom(SortSource{input, size.width * 4}, SortImage{output, size.width, size.height, 4}, options);
    });
}

void SortRowByRow(benchmark::State& state, FrameSize size, SortOptions options)
{
    SortIntoOutput(state, size, [&](const unsigned char* input, unsigned char* output) {
        RowSorter* sorter = MakeRowSorter(size.width, options);
        const size_t rowBytes = size_t{size.width} * 4;
        for (uint32_t row = 0; row < size.height; ++row) {
            std::memcpy(output + row * rowBytes, input + row * rowBytes, rowBytes);
            SortRow(sorter, output + row * rowBytes);
        }
        FreeRowSorter(sorter);
    });
}

// Registers `run` as "<size>/<group>/<Mode>/<Direction>/<Comparator>".
void RegisterEngineCase(const char* group, void (*run)(benchmark::State&, FrameSize, SortOptions), FrameSize size,
                        SortMode mode, SortDirection direction, SortComparator comparator)
{
    const int32_t threshold = mode == SortMode::Highlights ? 255 - kThreshold : kThreshold;
    const SortOptions options{direction, comparator, mode, threshold};
    const std::string name = SizeName(size) + "/" + group + "/" + kModeNames[static_cast<int>(mode)] + "/" +
                             kDirectionNames[static_cast<int>(direction)] + "/" +
                             kComparatorNames[static_cast<int>(comparator)];
    benchmark::RegisterBenchmark(name.c_str(), run, size, options)->Unit(benchmark::kMillisecond);
}

}  // namespace

void RegisterEngineBenchmarks()
{
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
                RegisterEngineCase("engine", SortWithEngine, size, mode, direction, SortComparator::Average);
            }
        }
        for (const SortDirection direction : {SortDirection::Column, SortDirection::Row, SortDirection::Both}) {
            RegisterEngineCase("engine", SortWithEngine, size, SortMode::AllPixels, direction,
                               SortComparator::Multiply);
        }
        for (const SortComparator comparator : {SortComparator::Average, SortComparator::Multiply}) {
            for (const SortDirection direction : {SortDirection::Column, SortDirection::Row, SortDirection::Both}) {
                RegisterEngineCase("engine-from", SortFromInput, size, SortMode::AllPixels, direction, comparator);
            }
            RegisterEngineCase("rowsorter", SortRowByRow, size, SortMode::AllPixels, SortDirection::Row, comparator);
        }
        RegisterEngineCase("rowsorter", SortRowByRow, size, SortMode::Highlights, SortDirection::Row,
                           SortComparator::Average);
    }
}
