// Replaces the global operator new and delete, in all their forms, for the one
// test program that links counting_allocator.cpp: it keeps count of the blocks
// that are live and can make one chosen allocation fail, as a host that has run
// short of memory would. A failed throwing new throws std::bad_alloc; a failed
// nothrow new returns null.
#pragma once

#include <cstdint>

// Blocks taken through operator new and not yet given back, since the program started.
int64_t LiveAllocations();

// Starts counting allocation attempts from zero; the attempt numbered failAt
// (from 1) fails, and with failAt 0 none does.
void ArmAllocationFailure(int64_t failAt);

// Stops failing allocations and returns the attempts made since the last arming.
int64_t DisarmAllocationFailure();
