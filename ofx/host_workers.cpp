// The host's threads as the render's workers.
#include "host_workers.h"

#include <algorithm>

namespace {

constexpr unsigned int kMostWorkers = 64;

struct WorkCall {
    void (*work)(void*, int32_t);
    void* argument;
};

void RunOnHostThread(unsigned int threadIndex, unsigned int /*threadMax*/, void* customArg)
{
    const WorkCall& call = *static_cast<const WorkCall*>(customArg);
    call.work(call.argument, static_cast<int32_t>(threadIndex));
}

int32_t CountOf(const OfxMultiThreadSuiteV1* suite)
{
    unsigned int cpus = 1;
    if (!suite || suite->multiThreadNumCPUs(&cpus) != kOfxStatOK) return 1;
    return static_cast<int32_t>(std::clamp(cpus, 1u, kMostWorkers));
}

}  // namespace

HostWorkers::HostWorkers(const HostSuites& suites, OfxImageEffectHandle effect)
    : suites_(suites), effect_(effect), workers_{CountOf(suites.multiThread), Run, Stopped, this}
{}

void HostWorkers::Run(void* context, void (*work)(void*, int32_t), void* argument)
{
    const HostWorkers& self = *static_cast<const HostWorkers*>(context);
    WorkCall call{work, argument};
    const auto count = static_cast<unsigned int>(self.workers_.count);
    if (count > 1 && self.suites_.multiThread->multiThread(RunOnHostThread, count, &call) == kOfxStatOK) return;
    for (int32_t worker = 0; worker < self.workers_.count; ++worker) work(argument, worker);
}

bool HostWorkers::Stopped(void* context)
{
    const HostWorkers& self = *static_cast<const HostWorkers*>(context);
    return self.suites_.effect->abort && self.suites_.effect->abort(self.effect_) != 0;
}
