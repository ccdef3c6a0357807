// Host image memory, locked for the render's life, or the heap.
#include "working_memory.h"

#include <new>

WorkingMemory::WorkingMemory(const OfxImageEffectSuiteV1& suite, OfxImageEffectHandle effect, size_t bytes)
    : suite_(suite)
{
    if (TakeFromHost(effect, bytes)) return;
    heapMemory_.reset(new (std::nothrow) unsigned char[bytes]);
    if (!heapMemory_) throw std::bad_alloc();
    data_ = heapMemory_.get();
}

WorkingMemory::~WorkingMemory()
{
    if (!hostMemory_) return;
    suite_.imageMemoryUnlock(hostMemory_);
    suite_.imageMemoryFree(hostMemory_);
}

bool WorkingMemory::TakeFromHost(OfxImageEffectHandle effect, size_t bytes)
{
    if (!suite_.imageMemoryAlloc || !suite_.imageMemoryLock || !suite_.imageMemoryUnlock || !suite_.imageMemoryFree) {
        return false;
    }
    OfxImageMemoryHandle memory = nullptr;
    if (suite_.imageMemoryAlloc(effect, bytes, &memory) != kOfxStatOK || !memory) return false;
    void* data = nullptr;
    if (suite_.imageMemoryLock(memory, &data) != kOfxStatOK || !data) {
        suite_.imageMemoryFree(memory);
        return false;
    }
    hostMemory_ = memory;
    data_ = data;
    return true;
}
