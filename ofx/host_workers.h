// HostWorkers: the render core's workers (render/workers.h) on the host's threads.
// With a multithread suite there is one worker a CPU the host counts (at most 64),
// run through multiThread, and on the calling thread one after another when the
// host will not spread them (multiThread refuses, as when called from one of its
// own threads); without one, a single worker on the calling thread. stopped asks
// the host's abort for the instance. The record must outlive every use of
// Workers().
#pragma once

#include "host_suites.h"
#include "workers.h"

class HostWorkers {
public:
    HostWorkers(const HostSuites& suites, OfxImageEffectHandle effect);
    const SortWorkers& Workers() const { return workers_; }

private:
    static void Run(void* context, void (*work)(void*, int32_t), void* argument);
    static bool Stopped(void* context);

    const HostSuites& suites_;
    OfxImageEffectHandle effect_;
    SortWorkers workers_;
};
