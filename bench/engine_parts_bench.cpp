// Engine parts on the 3840 x 2160 frame, to show where a pass spends its time:
// moving every column block out and back with no sorting, the keys of every
// row, and sorting the lines alone (each column block's lines from a copy
// already in line order, every row from a fresh copy of the frame), by a byte
// key and by the product key.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "bench_cases.h"
#include "line_sort_internal.h"

namespace {

// Runs partOfPass on every block of a pass over a fresh copy of the frame.
template <typename Part>
void TimePart(benchmark::State& state, FrameSize size, SortDirection direction, Part partOfPass)
{
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

void MoveColumnBlocks(benchmark::State& state, FrameSize size)
{
    TimePart(state, size, SortDirection::Column,
             [](const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount) {
                 RestoreLines(image, pass, firstLine, lineCount,
                              ExtractLines(SortSource{image.pixels, image.width * kPixelBytes}, image, pass, firstLine,
                                           lineCount));
             });
}

void KeysOfRows(benchmark::State& state, FrameSize size)
{
    TimePart(state, size, SortDirection::Row,
             [](const SortImage& image, const LineSorter& pass, int32_t firstLine, int32_t lineCount) {
                 const unsigned char* lines = ExtractLines(SortSource{image.pixels, image.width * kPixelBytes}, image,
                                                           pass, firstLine, lineCount);
                 for (int32_t i = 0; i < lineCount; ++i) {
                     pass.stretchKeyFunction(PixelAt(lines, static_cast<size_t>(i) * image.width), pass.lineLength,
                                             pass.scratch.keys);
                 }
             });
}

// The frame's columns as lines, one after another: every column block's lines.
std::vector<unsigned char> ColumnLines(FrameSize size)
{
    const std::vector<unsigned char>& frame = InputFrame(size);
    std::vector<unsigned char> lines(frame.size());
    TransposePixels(lines.data(), size.height, frame.data(), size.width, size.height, size.width);
    return lines;
}

void SortLinesOnly(benchmark::State& state, FrameSize size, SortDirection direction, SortComparator comparator)
{
    const bool rows = direction == SortDirection::Row;
    const std::vector<unsigned char> lines = rows ? InputFrame(size) : ColumnLines(size);
    std::vector<unsigned char> frame = lines;
    const SortImage image{frame.data(), size.width, size.height, 4};
    const SortOptions options{direction, comparator, SortMode::AllPixels, 0};
    LineSorter* pass = MakeLineSorter(image, options, direction);
    if (pass == nullptr) {
        state.SkipWithError("no memory for the pass");
        return;
    }
    const size_t lineBytes = static_cast<size_t>(pass->lineLength) * kPixelBytes;
    for (auto _ : state) {
        for (int32_t firstLine = 0; firstLine < pass->lineCount; firstLine += pass->blockLines) {
            const int32_t lineCount = std::min(pass->blockLines, pass->lineCount - firstLine);
            unsigned char* block = rows ? frame.data() + firstLine * lineBytes : pass->scratch.block;
            state.PauseTiming();
            std::memcpy(block, lines.data() + firstLine * lineBytes, lineCount * lineBytes);
            state.ResumeTiming();
            ForEachLine(block, lineCount, *pass, BlockFetch{});
        }
        benchmark::ClobberMemory();
    }
    FreeLineSorters(pass);
}

}  // namespace

void RegisterEnginePartBenchmarks()
{
    const FrameSize size = kFrameSizes[1];
    benchmark::RegisterBenchmark((SizeName(size) + "/parts/MoveColumnBlocks").c_str(), MoveColumnBlocks, size)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((SizeName(size) + "/parts/KeysOfRows/Average").c_str(), KeysOfRows, size)
        ->Unit(benchmark::kMillisecond);
    for (const SortDirection direction : {SortDirection::Column, SortDirection::Row}) {
        for (const SortComparator comparator : {SortComparator::Average, SortComparator::Multiply}) {
            const std::string name =
                SizeName(size) + (direction == SortDirection::Row ? "/parts/SortRows/" : "/parts/SortColumnBlocks/") +
                (comparator == SortComparator::Average ? "Average" : "Multiply");
            benchmark::RegisterBenchmark(name.c_str(), SortLinesOnly, size, direction, comparator)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
