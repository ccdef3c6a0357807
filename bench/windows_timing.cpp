// talvenor_windows_timing: the benchmark table for the Windows build, run under
// Wine by bench/run-windows. It loads Talvenor.aex and, when given, the frei0r
// plug-in talvenor.dll the way their hosts do (LoadLibrary, GetProcAddress),
// renders every case of the Linux benchmark's render and frei0r groups at both
// frame sizes, and prints for each the fastest of `rounds` rounds (every case
// once a round) in ms, beside a memcpy of one frame in the same round. A filter
// keeps only the cases whose names contain it (memcpy always runs).
//
//   talvenor_windows_timing <Talvenor.aex> [<talvenor.dll> or -] [rounds] [filter]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <frei0r.h>
}

#include "bench_cases.h"
#include "parameters.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsOf(const std::function<void()>& run)
{
    const Clock::time_point start = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Function>
Function Export(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

PF_Err NoProgress(PF_ProgPtr, A_long, A_long)
{
    return PF_Err_NONE;
}

// A render asks for no suite, but the host must offer its basic suite.
SPErr RefuseSuite(const char*, int32_t, const void**)
{
    return 1;
}
SPBasicSuite basicSuite{RefuseSuite};

// One render of a frame through EntryPointFunc, the host's records set up once.
struct HostRender {
    HostRender(PF_EntryPointFunc entry, FrameSize size, RenderCase settings)
        : entry(entry), input(HostFrame(size)), output(input.size(), PF_Pixel{1, 1, 1, 1})
    {
        inData.inter.progress = NoProgress;
        inData.pica_basicP = &basicSuite;
        inData.width = static_cast<A_long>(size.width);
        inData.height = static_cast<A_long>(size.height);
        inData.num_params = ParamCount;
        inputWorld = HostWorld(input, size);
        outputWorld = HostWorld(output, size);
        defs[InputLayerParam].u.ld = inputWorld;
        defs[ModeParam].u.pd.value = settings.mode;
        defs[OrientationParam].u.pd.value = settings.orientation;
        defs[ComparatorParam].u.pd.value = settings.comparator;
        defs[ThresholdParam].u.sd.value = kThreshold;
        for (int i = 0; i < ParamCount; ++i) params[i] = &defs[i];
    }
    bool operator()()
    {
        PF_OutData outData{};
        return entry(PF_Cmd_RENDER, &inData, &outData, params, &outputWorld, nullptr) == PF_Err_NONE;
    }

    PF_EntryPointFunc entry;
    std::vector<PF_Pixel> input, output;
    PF_InData inData{};
    PF_LayerDef inputWorld{}, outputWorld{};
    PF_ParamDef defs[ParamCount]{};
    PF_ParamDef* params[ParamCount]{};
};

// One f0r_update of a frame on an instance set to the case.
struct Frei0rRender {
    struct Plugin {
        decltype(&f0r_construct) construct;
        decltype(&f0r_destruct) destruct;
        decltype(&f0r_set_param_value) setParam;
        decltype(&f0r_update) update;
    };
    Frei0rRender(const Plugin& plugin, FrameSize size, RenderCase settings)
        : plugin(plugin), input(size.width * size.height), output(input.size())
    {
        std::memcpy(input.data(), InputFrame(size).data(), input.size() * 4);
        instance = plugin.construct(size.width, size.height);
        const PF_ParamValue choices[] = {settings.mode, settings.orientation, settings.comparator};
        for (int i = 0; i < 3; ++i) {
            const std::string number = std::to_string(choices[i]);
            const char* text = number.c_str();
            plugin.setParam(instance, &text, i);
        }
        double threshold = kThreshold / 255.0;
        plugin.setParam(instance, &threshold, 3);
    }
    ~Frei0rRender() { plugin.destruct(instance); }
    bool operator()()
    {
        plugin.update(instance, 0, input.data(), output.data());
        return true;
    }

    Plugin plugin;
    std::vector<uint32_t> input, output;
    f0r_instance_t instance;
};

struct TimedCase {
    std::string name;
    std::function<bool()> run;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <Talvenor.aex> [<talvenor.dll> or -] [rounds] [filter]\n", argv[0]);
        return 2;
    }
    HMODULE effect = LoadLibraryA(argv[1]);
    const auto entry = effect ? Export<PF_EntryPointFunc>(effect, "EntryPointFunc") : nullptr;
    HMODULE frei0r = argc > 2 && std::strcmp(argv[2], "-") != 0 ? LoadLibraryA(argv[2]) : nullptr;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const std::string filter = argc > 4 ? argv[4] : "";
    const auto wanted = [&filter](const std::string& name) { return name.find(filter) != std::string::npos; };
    if (!entry || (argc > 2 && std::strcmp(argv[2], "-") != 0 && !frei0r)) {
        std::fprintf(stderr, "FAIL: cannot load the modules (Windows error %lu)\n", GetLastError());
        return 1;
    }
    const Frei0rRender::Plugin plugin =
        frei0r ? Frei0rRender::Plugin{Export<decltype(&f0r_construct)>(frei0r, "f0r_construct"),
                                      Export<decltype(&f0r_destruct)>(frei0r, "f0r_destruct"),
                                      Export<decltype(&f0r_set_param_value)>(frei0r, "f0r_set_param_value"),
                                      Export<decltype(&f0r_update)>(frei0r, "f0r_update")}
               : Frei0rRender::Plugin{};
    if (frei0r) Export<decltype(&f0r_init)>(frei0r, "f0r_init")();

    std::vector<TimedCase> cases;
    std::vector<std::unique_ptr<HostRender>> hostRenders;
    std::vector<std::unique_ptr<Frei0rRender>> frei0rRenders;
    for (const FrameSize size : kFrameSizes) {
        const size_t bytes = size_t{size.width} * size.height * 4;
        auto source = std::make_shared<std::vector<unsigned char>>(InputFrame(size));
        auto target = std::make_shared<std::vector<unsigned char>>(bytes, 1);
        cases.push_back({SizeName(size) + "/memcpy", [source, target, bytes] {
                             std::memcpy(target->data(), source->data(), bytes);
                             return true;
                         }});
        for (const RenderCase settings : RenderCases()) {
            if (!wanted(RenderCaseName(size, "render", settings))) continue;
            hostRenders.push_back(std::make_unique<HostRender>(entry, size, settings));
            HostRender* render = hostRenders.back().get();
            cases.push_back({RenderCaseName(size, "render", settings), [render] { return (*render)(); }});
        }
        for (const RenderCase settings : frei0r ? RenderCases() : std::vector<RenderCase>{}) {
            if (!wanted(RenderCaseName(size, "frei0r", settings))) continue;
            frei0rRenders.push_back(std::make_unique<Frei0rRender>(plugin, size, settings));
            Frei0rRender* render = frei0rRenders.back().get();
            cases.push_back({RenderCaseName(size, "frei0r", settings), [render] { return (*render)(); }});
        }
    }
    // Each case once untimed, so that first-call costs stay out of every round.
    std::map<std::string, double> fastest;
    for (int round = 0; round <= rounds; ++round) {
        for (const TimedCase& timed : cases) {
            bool ok = true;
            const double ms = MillisecondsOf([&] { ok = timed.run(); });
            if (!ok) {
                std::fprintf(stderr, "FAIL: %s\n", timed.name.c_str());
                return 1;
            }
            if (round > 0 && (fastest.count(timed.name) == 0 || ms < fastest[timed.name])) fastest[timed.name] = ms;
        }
    }
    std::printf("%-45s  %9s  %8s\n", "case", "ms/frame", "x memcpy");
    for (const TimedCase& timed : cases) {
        const double memcpyMs = fastest[timed.name.substr(0, timed.name.find('/')) + "/memcpy"];
        std::printf("%-45s  %9.2f  %8.1f\n", timed.name.c_str(), fastest[timed.name], fastest[timed.name] / memcpyMs);
    }
    return 0;
}
