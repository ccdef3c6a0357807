// The replacement global operator new and delete behind counting_allocator.h.
// Every form funnels into Allocate and Release, which take memory from malloc so
// that the count sees each block exactly once.
#include "counting_allocator.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr size_t kDefaultAlignment = alignof(std::max_align_t);

std::atomic<int64_t> liveBlocks{0};
std::atomic<int64_t> attempts{0};
std::atomic<int64_t> failingAttempt{0};

void* Allocate(size_t size, size_t alignment)
{
    const int64_t attempt = ++attempts;
    if (attempt == failingAttempt.load()) return nullptr;
    if (size == 0) size = 1;  // a zero-sized new still hands out a unique block
    void* block = nullptr;
    if (alignment <= kDefaultAlignment) {
        block = std::malloc(size);
    } else if (posix_memalign(&block, alignment, size) != 0) {
        block = nullptr;
    }
    if (block) ++liveBlocks;
    return block;
}

void* AllocateOrThrow(size_t size, size_t alignment)
{
    void* block = Allocate(size, alignment);
    if (!block) throw std::bad_alloc();
    return block;
}

void Release(void* block)
{
    if (!block) return;
    --liveBlocks;
    std::free(block);
}

}  // namespace

int64_t LiveAllocations()
{
    return liveBlocks.load();
}

void ArmAllocationFailure(int64_t failAt)
{
    attempts = 0;
    failingAttempt = failAt;
}

int64_t DisarmAllocationFailure()
{
    failingAttempt = 0;
    return attempts.load();
}

void* operator new(size_t size) { return AllocateOrThrow(size, kDefaultAlignment); }
void* operator new[](size_t size) { return AllocateOrThrow(size, kDefaultAlignment); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size, kDefaultAlignment); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size, kDefaultAlignment); }
void* operator new(size_t size, std::align_val_t alignment) { return AllocateOrThrow(size, size_t(alignment)); }
void* operator new[](size_t size, std::align_val_t alignment) { return AllocateOrThrow(size, size_t(alignment)); }
void* operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, size_t(alignment));
}
void* operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return Allocate(size, size_t(alignment));
}

void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, size_t) noexcept { Release(block); }
void operator delete[](void* block, size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete(void* block, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { Release(block); }
void operator delete(void* block, size_t, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, size_t, std::align_val_t) noexcept { Release(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release(block); }
