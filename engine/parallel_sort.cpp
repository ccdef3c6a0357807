// SortLinesFromWith: SortLinesFrom spread over the caller's threads. Every worker
// has a chain of passes of its own; pass by pass, each sorts an equal run of the
// pass's lines, and the caller's run returns only when all have, so a pass never
// reads lines the pass before has not finished. Lines are sorted on their own, so
// how they are shared out changes no byte.
#include <algorithm>
#include <atomic>
#include <new>

#include "line_sort_internal.h"

namespace {

// Shares are whole runs of this many lines: a column share then reads and writes
// rows in whole cache lines (16 pixels of 4 bytes).
constexpr int64_t kShareLines = kColumnBlockStep;

struct ParallelSort {
    SortSource source;  // what the first pass reads
    SortImage image;
    LineSorter** chains;  // one a worker, all with the same passes
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
    const int32_t workerCount = job.workers->count;
    if (worker < 0 || worker >= workerCount) return;
    const LineSorter& pass = *PassOf(job.chains[worker], job.passIndex);
    const SortSource from = job.passIndex == 0 ? job.source : InPlace(job.image);
    const int32_t first = ShareStart(pass.lineCount, worker, workerCount);
    const int32_t end = ShareStart(pass.lineCount, worker + 1, workerCount);
    if (!RunPassLines(from, job.image, pass, first, end, job.workers)) job.stopped = true;
}

// A chain holds every pass the options ask for, in order; one that left a pass
// out would sort differently from its neighbours.
bool IsWhole(const LineSorter* chain, const SortOptions& options)
{
    const int32_t passes = PassCount(options);
    if (chain == nullptr || chain->direction != FirstPassDirection(options)) return false;
    return passes == 1 ? chain->next == nullptr : chain->next != nullptr;
}

void FreeChains(LineSorter** chains, int32_t count)
{
    for (int32_t w = 0; w < count; ++w) FreeLineSorters(chains[w]);
    delete[] chains;
}

// Every worker's chain, or null when one cannot be had whole.
LineSorter** MakeChains(const SortImage& image, const SortOptions& options, int32_t count)
{
    LineSorter** chains = new (std::nothrow) LineSorter*[static_cast<size_t>(count)]();
    if (chains == nullptr) return nullptr;
    for (int32_t w = 0; w < count; ++w) {
        chains[w] = MakePassChain(image, options);
        if (!IsWhole(chains[w], options)) {
            FreeChains(chains, count);
            return nullptr;
        }
    }
    return chains;
}

}  // namespace

bool SortLinesFromWith(const SortSource& source, const SortImage& image, const SortOptions& options,
                       const SortWorkers& workers)
{
    if (image.width == 0 || image.height == 0) return true;
    LineSorter** chains = MakeChains(image, options, std::max(workers.count, 1));
    if (chains == nullptr) {
        SortLinesFrom(source, image, options);
        return true;
    }
    ParallelSort job{source, image, chains, 0, &workers, {false}};
    for (; job.passIndex < PassCount(options) && !job.stopped; ++job.passIndex) {
        workers.run(workers.context, SortShare, &job);
    }
    FreeChains(chains, std::max(workers.count, 1));
    return !job.stopped;
}
