// Counting replacements of the global allocation functions. Each block carries
// its size in a header aligned for any type, so delete knows what it returns.
#include "peak_memory.h"

#include <cstdlib>
#include <new>

namespace {

constexpr size_t kHeader = alignof(std::max_align_t);
size_t liveBytes = 0;
size_t peakBytes = 0;
size_t markBytes = 0;

void* Take(size_t size) noexcept {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        return nullptr;
    }
    *reinterpret_cast<size_t*>(block) = size;
    liveBytes += size;
    if (liveBytes > peakBytes) {
        peakBytes = liveBytes;
    }
    return block + kHeader;
}

void Give(void* pointer) noexcept {
    if (pointer == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    liveBytes -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

void* TakeOrThrow(size_t size) {
    void* pointer = Take(size);
    if (pointer == nullptr) {
        throw std::bad_alloc();
    }
    return pointer;
}

}  // namespace

void StartPeakMemory() {
    markBytes = liveBytes;
    peakBytes = liveBytes;
}

size_t PeakMemorySinceStart() { return peakBytes - markBytes; }

void* operator new(size_t size) { return TakeOrThrow(size); }
void* operator new[](size_t size) { return TakeOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void operator delete(void* pointer) noexcept { Give(pointer); }
void operator delete[](void* pointer) noexcept { Give(pointer); }
void operator delete(void* pointer, size_t) noexcept { Give(pointer); }
void operator delete[](void* pointer, size_t) noexcept { Give(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Give(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Give(pointer); }
