// WorkingMemory: a render's large working memory, taken from the host's image
// memory when the host offers it (so that the host can count it with the rest of
// its images), else from the C++ heap; throws std::bad_alloc when neither has it.
// It is given back when the object goes out of scope, on every path out of the
// render.
#pragma once

#include <cstddef>
#include <memory>

#include "ofx_suites.h"

class WorkingMemory {
public:
    WorkingMemory(const OfxImageEffectSuiteV1& suite, OfxImageEffectHandle effect, size_t bytes);
    ~WorkingMemory();
    WorkingMemory(const WorkingMemory&) = delete;
    WorkingMemory& operator=(const WorkingMemory&) = delete;

    void* Data() const { return data_; }

private:
    bool TakeFromHost(OfxImageEffectHandle effect, size_t bytes);

    const OfxImageEffectSuiteV1& suite_;
    OfxImageMemoryHandle hostMemory_ = nullptr;
    std::unique_ptr<unsigned char[]> heapMemory_;
    void* data_ = nullptr;
};
