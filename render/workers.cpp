// SerialWorkers: the one worker of a face without threads, on the calling thread.
#include "workers.h"

SortWorkers SerialWorkers()
{
    const auto runOne = [](void*, void (*work)(void*, int32_t), void* argument) { work(argument, 0); };
    return SortWorkers{1, runOne, nullptr, nullptr};
}
