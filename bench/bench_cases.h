// What the benchmarks share: the frame sizes, the case names, the generated
// input for each size, and the registration of each group of cases.
//
// Case names read "<width>x<height>/<what>", e.g. "3840x2160/render/AllPixels/Column/Average";
// bench/run divides each case's time by the "memcpy" case of the same size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host_api.h"

struct FrameSize {
    uint32_t width;
    uint32_t height;
};

inline const FrameSize kFrameSizes[] = {{1920, 1080}, {3840, 2160}};

// The user's Highlights threshold; the render driver hands the engine 255 minus it.
constexpr int32_t kThreshold = 45;

inline std::string SizeName(FrameSize size)
{
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

// The Modes, Orientations and Comparators that whole renders are timed in, as
// the host's popup values, and their case name: "<size>/<face>/<Mode>[/<Orientation>/<Comparator>]",
// where `face` may carry the variant timed, e.g. "ofx/float/2t".
struct RenderCase {
    PF_ParamValue mode;
    PF_ParamValue orientation;
    PF_ParamValue comparator;
};

std::vector<RenderCase> RenderCases();
std::string RenderCaseName(FrameSize size, const char* face, RenderCase settings);

// NaturalFrame of that size, made once and kept for the run.
const std::vector<unsigned char>& InputFrame(FrameSize size);
// The same frame in the host's byte order, a fresh copy.
std::vector<PF_Pixel> HostFrame(FrameSize size);
// A host world of such pixels, rows without gaps.
PF_LayerDef HostWorld(std::vector<PF_Pixel>& pixels, FrameSize size);

void RegisterEngineBenchmarks();
void RegisterEnginePartBenchmarks();
void RegisterRenderBenchmarks();
void RegisterFrei0rBenchmarks();
void RegisterOfxBenchmarks();
void RegisterDeepFrameBenchmarks();
void RegisterThreadsBenchmarks();
