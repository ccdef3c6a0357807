// Replaces the global operator new and delete, in all their forms, for each test,
// fuzz or benchmark program that links the counting_allocator library: it keeps
// count of the blocks and bytes that are live, and can make one chosen allocation
// fail, as a host that has run short of memory would. A failed throwing new
// throws std::bad_alloc; a failed nothrow new returns null. Safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>

// Blocks taken through operator new and not yet given back, since the program started.
int64_t LiveAllocations();

// Which allocation attempts ArmAllocationFailure counts: all of them, or only
// those made through the nothrow forms (the engine takes its memory that way).
enum class CountedAllocations { All, NothrowOnly };

// Starts counting allocation attempts from zero; the attempt numbered failAt
// (from 1) fails, and with failAt 0 none does.
void ArmAllocationFailure(int64_t failAt, CountedAllocations counted = CountedAllocations::All);

// Stops failing allocations and returns the attempts counted since the last arming.
int64_t DisarmAllocationFailure();

// Peak heap use: StartPeakMemory marks the bytes in use now; PeakMemorySinceStart
// returns the most bytes taken on top of that mark since.
void StartPeakMemory();
size_t PeakMemorySinceStart();
