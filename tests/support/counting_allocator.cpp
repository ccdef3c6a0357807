// The replacement global operator new and delete behind counting_allocator.h.
// Every form funnels into Allocate and Release, which take memory from malloc so
// that the count sees each block exactly once. Each block carries its size in a
// header as wide as its alignment, so that delete knows how many bytes it returns.
#include "counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr size_t kDefaultAlignment = alignof(std::max_align_t);

std::atomic<int64_t> liveBlocks{0};
std::atomic<size_t> liveBytes{0};
std::atomic<size_t> peakBytes{0};
std::atomic<size_t> markBytes{0};
std::atomic<int64_t> attempts{0};
std::atomic<int64_t> failingAttempt{0};
std::atomic<bool> nothrowOnly{false};

size_t HeaderBytes(size_t alignment)
{
    return alignment > kDefaultAlignment ? alignment : kDefaultAlignment;
}

void NoteTaken(size_t size)
{
    ++liveBlocks;
    const size_t live = liveBytes += size;
    size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
}

void* Allocate(size_t size, size_t alignment, bool nothrow)
{
    if (nothrow || !nothrowOnly.load()) {
        const int64_t attempt = ++attempts;
        if (attempt == failingAttempt.load()) return nullptr;
    }
    const size_t header = HeaderBytes(alignment);
    if (size > SIZE_MAX - header) return nullptr;
    void* block = nullptr;
    if (alignment <= kDefaultAlignment) {
        block = std::malloc(header + size);
    } else if (posix_memalign(&block, alignment, header + size) != 0) {
        block = nullptr;
    }
    if (!block) return nullptr;
    *static_cast<size_t*>(block) = size;
    NoteTaken(size);
    return static_cast<unsigned char*>(block) + header;
}

void* AllocateOrThrow(size_t size, size_t alignment)
{
    void* pointer = Allocate(size, alignment, false);
    if (!pointer) throw std::bad_alloc();
    return pointer;
}

void Release(void* pointer, size_t alignment)
{
    if (!pointer) return;
    void* block = static_cast<unsigned char*>(pointer) - HeaderBytes(alignment);
    --liveBlocks;
    liveBytes -= *static_cast<size_t*>(block);
    std::free(block);
}

}  // namespace

int64_t LiveAllocations()
{
    return liveBlocks.load();
}

void ArmAllocationFailure(int64_t failAt, CountedAllocations counted)
{
    attempts = 0;
    nothrowOnly = counted == CountedAllocations::NothrowOnly;
    failingAttempt = failAt;
}

int64_t DisarmAllocationFailure()
{
    failingAttempt = 0;
    nothrowOnly = false;
    return attempts.load();
}

void StartPeakMemory()
{
    markBytes = liveBytes.load();
    peakBytes = markBytes.load();
}

size_t PeakMemorySinceStart()
{
    return peakBytes.load() - markBytes.load();
}

void* operator new(size_t size)
{
    return AllocateOrThrow(size, kDefaultAlignment);
}
void* operator new[](size_t size)
{
    return AllocateOrThrow(size, kDefaultAlignment);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, kDefaultAlignment, true);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, kDefaultAlignment, true);
}
void* operator new(size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, size_t(alignment));
}
void* operator new[](size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, size_t(alignment));
}
void* operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, size_t(alignment), true);
}
void* operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, size_t(alignment), true);
}

void operator delete(void* block) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete[](void* block) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete(void* block, size_t) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete[](void* block, size_t) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    Release(block, kDefaultAlignment);
}
void operator delete(void* block, std::align_val_t alignment) noexcept
{
    Release(block, size_t(alignment));
}
void operator delete[](void* block, std::align_val_t alignment) noexcept
{
    Release(block, size_t(alignment));
}
void operator delete(void* block, size_t, std::align_val_t alignment) noexcept
{
    Release(block, size_t(alignment));
}
void operator delete[](void* block, size_t, std::align_val_t alignment) noexcept
{
    Release(block, size_t(alignment));
}
void operator delete(void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    Release(block, size_t(alignment));
}
void operator delete[](void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    Release(block, size_t(alignment));
}
