// talvenor_bench: registers every case, then hands the command line to Google
// Benchmark (filters, repetitions, output format).
#include <benchmark/benchmark.h>

#include <map>
#include <utility>

#include "bench_cases.h"
#include "natural_frame.h"

const std::vector<unsigned char>& InputFrame(FrameSize size) {
    static std::map<std::pair<uint32_t, uint32_t>, std::vector<unsigned char>> frames;
    auto& frame = frames[{size.width, size.height}];
    if (frame.empty()) {
        frame = NaturalFrame(size.width, size.height);
    }
    return frame;
}

int main(int argc, char** argv) {
    RegisterEngineBenchmarks();
    RegisterEnginePartBenchmarks();
    RegisterRenderBenchmarks();
#ifdef TALVENOR_BENCH_FREI0R
    RegisterFrei0rBenchmarks();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
