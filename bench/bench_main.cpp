// talvenor_bench: registers every case, then hands the command line to Google
// Benchmark (filters, repetitions, output format).
#include <benchmark/benchmark.h>

#include "bench_cases.h"

int main(int argc, char** argv)
{
    RegisterEngineBenchmarks();
    RegisterEnginePartBenchmarks();
    RegisterRenderBenchmarks();
    RegisterDeepFrameBenchmarks();
    RegisterThreadsBenchmarks();
#ifdef TALVENOR_BENCH_FREI0R
    RegisterFrei0rBenchmarks();
#endif
#ifdef TALVENOR_BENCH_OFX
    RegisterOfxBenchmarks();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
