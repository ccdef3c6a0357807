// Workers: how a render spreads its work over the threads a face has, in the
// engine's SortWorkers record (line_sort.h): count workers, a run that calls every
// worker once and returns when all have returned, and an optional stopped that
// asks whether the host wants the render to end. A face without threads passes
// SerialWorkers(), one worker run on the calling thread.
//
// SpreadRows calls rows(first, end, worker) for equal, disjoint runs of rows 0 ..
// rowCount - 1 (first < end), one run a worker (0 .. count - 1), on the workers'
// threads; the runs cover every row. Work on separate rows must touch no shared
// state but the worker's own (scratch taken beforehand, one a worker), and must
// not throw.
// SpreadPieces calls piece(index, worker) for every piece 0 .. pieceCount - 1 (a
// chunk, a block of columns, a band of rows), shared out in runs as SpreadRows
// shares rows, and asks StopAsked before each piece: once it says stop, the
// pieces not yet begun are left out. The caller asks StopAsked afterwards and
// discards what was made.
// StopAsked (line_sort.h) says whether the workers' stopped says stop.
// WorkerCountOf is how many workers a spread calls, so how many sets of scratch
// to take.
#pragma once

#include <cstdint>

#include "line_sort.h"

SortWorkers SerialWorkers();

inline int32_t WorkerCountOf(const SortWorkers& workers)
{
    return workers.count < 1 ? 1 : workers.count;
}

template <typename Rows>
void SpreadRows(const SortWorkers& workers, int64_t rowCount, Rows& rows)
{
    struct Job {
        Rows* rows;
        int64_t rowCount;
        int64_t workerCount;
    } job{&rows, rowCount, WorkerCountOf(workers)};
    const auto work = [](void* argument, int32_t worker) {
        const Job& spread = *static_cast<const Job*>(argument);
        const int64_t first = spread.rowCount * worker / spread.workerCount;
        const int64_t end = spread.rowCount * (worker + 1) / spread.workerCount;
        if (worker >= 0 && first < end) (*spread.rows)(first, end, worker);
    };
    workers.run(workers.context, work, &job);
}

template <typename Piece>
void SpreadPieces(const SortWorkers& workers, int64_t pieceCount, Piece& piece)
{
    auto run = [&](int64_t first, int64_t end, int32_t worker) {
        for (int64_t index = first; index < end && !StopAsked(workers); ++index) piece(index, worker);
    };
    SpreadRows(workers, pieceCount, run);
}
