// SortLinesFromWith: SortLinesFrom spread over the caller's threads. Every worker
// has a chain of passes of its own; pass by pass, each sorts an equal run of the
// pass's lines, and the caller's run returns only when all have, so a pass never
// reads lines the pass before has not finished. Lines are sorted on their own, so
// how they are shared out changes no byte.
#include <algorithm>
#include <atomic>

#include "line_sort_internal.h"

namespace {

// Workers beyond these get no share: the chains' table stays on the stack, so
// that sorting takes no allocation a single-threaded SortLinesFrom would not.
constexpr int32_t kMostWorkers = 64;
// Shares are whole runs of this many lines: a column share then reads and writes
// rows in whole cache lines (16 pixels of 4 bytes).
constexpr int64_t kShareLines = kColumnBlockStep;

struct ParallelSort {
    SortSource source;  // what the first pass reads
    SortImage image;
    LineSorter* const* chains;  // one a worker, all with every pass
    int32_t chainCount;
    int32_t passIndex;
    const SortWorkers* workers;
    std::atomic<bool> stopped;
};

const LineSorter* PassOf(const LineSorter* chain, int32_t index)
{
    for (; index > 0; --index) chain = chain->next;
    return chain;
}

int32_t PassCount(const SortOptions& options)
{
    return options.direction == SortDirection::Row || options.direction == SortDirection::Column ? 1 : 2;
}

int32_t ShareStart(int32_t lineCount, int32_t worker, int32_t workerCount)
{
    const int64_t runs = (int64_t{lineCount} + kShareLines - 1) / kShareLines;
    return static_cast<int32_t>(std::min<int64_t>(lineCount, runs * worker / workerCount * kShareLines));
}

void SortShare(void* argument, int32_t worker)
{
    ParallelSort& job = *static_cast<ParallelSort*>(argument);
    if (worker < 0 || worker >= job.chainCount) return;
    const LineSorter& pass = *PassOf(job.chains[worker], job.passIndex);
    const SortSource from = job.passIndex == 0 ? job.source : InPlace(job.image);
    const int32_t first = ShareStart(pass.lineCount, worker, job.chainCount);
    const int32_t end = ShareStart(pass.lineCount, worker + 1, job.chainCount);
    if (!RunPassLines(from, job.image, pass, first, end, job.workers)) job.stopped = true;
}

// A chain holds every pass the options ask for, in order; one that left a pass
// out would sort differently from its neighbours.
bool IsWhole(const LineSorter* chain, const SortOptions& options)
{
    if (chain == nullptr || chain->direction != FirstPassDirection(options)) return false;
    return PassCount(options) == 1 ? chain->next == nullptr : chain->next != nullptr;
}

// Makes up to `wanted` chains and returns how many to run with: all of them when
// every one is whole; else just the first, however many passes it holds.
int32_t MakeChains(const SortImage& image, const SortOptions& options, int32_t wanted, LineSorter** chains)
{
    for (int32_t w = 0; w < wanted; ++w) {
        chains[w] = MakePassChain(image, options);
        if (!IsWhole(chains[w], options)) {
            for (int32_t other = 1; other <= w; ++other) FreeLineSorters(chains[other]);
            return 1;
        }
    }
    return wanted;
}

}  // namespace

bool SortLinesFromWith(const SortSource& source, const SortImage& image, const SortOptions& options,
                       const SortWorkers& workers)
{
    if (image.width == 0 || image.height == 0) return true;
    LineSorter* chains[kMostWorkers] = {};
    const int32_t chainCount = MakeChains(image, options, std::clamp(workers.count, 1, kMostWorkers), chains);
    bool finished = true;
    if (chainCount == 1) {
        finished = RunChainFrom(source, image, chains[0], options, &workers);
    } else {
        ParallelSort job{source, image, chains, chainCount, 0, &workers, {false}};
        for (; job.passIndex < PassCount(options) && !job.stopped; ++job.passIndex) {
            workers.run(workers.context, SortShare, &job);
        }
        finished = !job.stopped;
    }
    for (int32_t w = 0; w < chainCount; ++w) FreeLineSorters(chains[w]);
    return finished;
}
