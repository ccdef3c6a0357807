// Whole frames through the OpenFX face: the built bundle loaded by its path into
// the tests' small host, described in the Filter context, and one instance's
// Render action timed on 8-bit and float RGBA images on 1, 2 and 4 of the host's
// threads, in the same cases as the frei0r face. The images hold the natural
// frame with its rows bottom-up, as OpenFX lays them out, so the picture is
// frei0r's; float components are the bytes over 255. The render's threads are the
// host's, so the cases time the wall clock and count every thread's CPU time.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_cases.h"
#include "counting_allocator.h"
#include "test_host.h"

namespace {

struct PixelDepth {
    const char* name;  // in the case name
    const char* ofxDepth;
    size_t componentBytes;
};

const PixelDepth kDepths[] = {{"byte", "OfxBitDepthByte", 1}, {"float", "OfxBitDepthFloat", sizeof(float)}};
const unsigned int kThreadCounts[] = {1, 2, 4};

// The bundle's plug-in, loaded and described once for the run.
struct LoadedEffect {
    OfxPlugin* plugin = nullptr;
    std::unique_ptr<OfxImageEffectStruct> filter;  // the Filter context's description
    std::string error;                             // why there is none
};

LoadedEffect Load()
{
    LoadedEffect effect;
    int pluginCount = 0;
    effect.plugin = LoadPlugin(TALVENOR_OFX_BINARY, pluginCount);
    if (!effect.plugin) {
        effect.error = "cannot load " TALVENOR_OFX_BINARY;
        return effect;
    }
    effect.plugin->setHost(&Host().host);
    OfxImageEffectStruct described;
    auto filter = std::make_unique<OfxImageEffectStruct>();
    OfxPropertySetStruct context;
    context.values["OfxImageEffectPropContext"] = {{"OfxImageEffectContextFilter"}};
    if (effect.plugin->mainEntry("OfxActionLoad", nullptr, nullptr, nullptr) != kOfxStatOK ||
        effect.plugin->mainEntry("OfxActionDescribe", &described, nullptr, nullptr) != kOfxStatOK ||
        effect.plugin->mainEntry("OfxImageEffectActionDescribeInContext", filter.get(), &context, nullptr) !=
            kOfxStatOK) {
        effect.error = "Load, Describe or DescribeInContext(Filter) failed";
        return effect;
    }
    effect.filter = std::move(filter);
    return effect;
}

const LoadedEffect& Effect()
{
    static const LoadedEffect effect = Load();
    return effect;
}

// An image of the whole frame, rows without gaps, over `pixels`.
void DescribeImage(OfxPropertySetStruct& image, std::vector<unsigned char>& pixels, FrameSize size, PixelDepth depth)
{
    const int width = static_cast<int>(size.width), height = static_cast<int>(size.height);
    auto& values = image.values;
    values["OfxImagePropData"] = {{"", 0, 0, pixels.data()}};
    values["OfxImagePropRowBytes"] = {{"", width * 4 * static_cast<int>(depth.componentBytes)}};
    values["OfxImagePropBounds"] = {{"", 0}, {"", 0}, {"", width}, {"", height}};
    values["OfxImageEffectPropPixelDepth"] = {{depth.ofxDepth}};
    values["OfxImageEffectPropComponents"] = {{"OfxImageComponentRGBA"}};
}

// The natural frame, bottom row first, each component in `depth`.
std::vector<unsigned char> SourcePixels(FrameSize size, PixelDepth depth)
{
    const std::vector<unsigned char>& rgba = InputFrame(size);
    const size_t rowComponents = size_t{size.width} * 4;
    std::vector<unsigned char> pixels(rgba.size() * depth.componentBytes);
    for (size_t row = 0; row < size.height; ++row) {
        const unsigned char* from = rgba.data() + (size.height - 1 - row) * rowComponents;
        unsigned char* to = pixels.data() + row * rowComponents * depth.componentBytes;
        if (depth.componentBytes == 1) {
            std::memcpy(to, from, rowComponents);
            continue;
        }
        for (size_t i = 0; i < rowComponents; ++i) {
            const float real = from[i] / 255.0f;
            std::memcpy(to + i * sizeof real, &real, sizeof real);
        }
    }
    return pixels;
}

// The instance's popups are 0-based where the cases' host values start at 1.
bool SetParams(OfxImageEffectStruct& instance, RenderCase settings)
{
    const std::pair<const char*, int> values[] = {{"mode", settings.mode - 1},
                                                  {"orientation", settings.orientation - 1},
                                                  {"comparator", settings.comparator - 1},
                                                  {"threshold", kThreshold}};
    for (const auto& [name, value] : values) {
        OfxParamStruct* param = instance.params.Find(name);
        if (!param) return false;
        param->value = value;
    }
    return true;
}

std::string RenderError(OfxStatus status)
{
    std::string error = "Render returned " + std::to_string(status);
    if (!Host().messages.empty()) error += ": " + Host().messages.back();
    return error;
}

void RenderFrame(benchmark::State& state, FrameSize size, PixelDepth depth, unsigned int threads, RenderCase settings)
{
    const LoadedEffect& effect = Effect();
    if (!effect.filter) {
        state.SkipWithError(effect.error.c_str());
        return;
    }
    const auto call = [&](const char* action, void* handle, OfxPropertySetStruct* in) {
        return effect.plugin->mainEntry(action, handle, in, nullptr);
    };
    const std::unique_ptr<OfxImageEffectStruct> instance = InstanceOf(*effect.filter);
    if (call("OfxActionCreateInstance", instance.get(), nullptr) != kOfxStatOK || !SetParams(*instance, settings)) {
        state.SkipWithError("CreateInstance failed, or the instance lacks a parameter");
        return;
    }
    std::vector<unsigned char> input = SourcePixels(size, depth);
    std::vector<unsigned char> output(input.size());
    OfxPropertySetStruct source, destination;
    DescribeImage(source, input, size, depth);
    DescribeImage(destination, output, size, depth);
    instance->clips["Source"]->image = &source;
    instance->clips["Output"]->image = &destination;
    OfxPropertySetStruct in;
    in.values["OfxPropTime"] = {{"", 0, 0.0}};
    in.values["OfxImageEffectPropRenderWindow"] = destination.values["OfxImagePropBounds"];
    Host().threads = threads;

    StartPeakMemory();
    const OfxStatus status = call("OfxImageEffectActionRender", instance.get(), &in);
    state.counters["peak_bytes"] = static_cast<double>(PeakMemorySinceStart());
    if (status != kOfxStatOK) state.SkipWithError(RenderError(status).c_str());
    for (auto _ : state) {
        const OfxStatus again = call("OfxImageEffectActionRender", instance.get(), &in);
        benchmark::ClobberMemory();
        if (again != kOfxStatOK) {
            state.SkipWithError(RenderError(again).c_str());
            break;
        }
    }
    call("OfxActionDestroyInstance", instance.get(), nullptr);
}

}  // namespace

void RegisterOfxBenchmarks()
{
    for (const FrameSize size : kFrameSizes) {
        for (const PixelDepth depth : kDepths) {
            for (const unsigned int threads : kThreadCounts) {
                const std::string face = std::string("ofx/") + depth.name + "/" + std::to_string(threads) + "t";
                for (const RenderCase settings : RenderCases()) {
                    benchmark::RegisterBenchmark(RenderCaseName(size, face.c_str(), settings).c_str(), RenderFrame,
                                                 size, depth, threads, settings)
                        ->Unit(benchmark::kMillisecond)
                        ->MeasureProcessCPUTime()
                        ->UseRealTime();
                }
            }
        }
    }
}
