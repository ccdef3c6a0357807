// InstanceLock: keeps the setting of an instance's values apart from the updates
// that read them on other threads. A std::mutex, but on Windows a slim
// reader/writer lock held exclusively: MinGW-w64's win32 thread model has no
// std::mutex, and the Windows lock is the same on every Windows compiler.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class InstanceLock {
public:
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};
#else
#include <mutex>

using InstanceLock = std::mutex;
#endif
