// Peak heap use: the benchmark executable replaces the global operator new and
// delete to count live heap bytes. StartPeakMemory marks the bytes in use now;
// PeakMemorySinceStart returns the most bytes taken on top of that mark since.
// Single-threaded, like the benchmarks.
#pragma once

#include <cstddef>

void StartPeakMemory();
size_t PeakMemorySinceStart();
