// SuiteCache: hands a command handler the host's callback suites.
//
// Built on a handler's stack from in_data->pica_basicP (not owned). Each suite is
// acquired from the host on its first request and the same table is returned after
// that; the destructor releases exactly the suites this cache acquired, in a fixed
// order, also while unwinding. A missing basic suite, or a suite the host refuses,
// is reported by throwing the host's error code PF_Err_BAD_CALLBACK_PARAM itself
// (a PF_Err, not an exception object), which EntryPointFunc catches and returns.
#pragma once

#include "host_api.h"

class SuiteCache {
public:
    explicit SuiteCache(const SPBasicSuite* basic);
    ~SuiteCache();
    SuiteCache(const SuiteCache&) = delete;
    SuiteCache& operator=(const SuiteCache&) = delete;

    // "PF ANSI Suite" version 1.
    const PF_ANSISuite1* AnsiSuite();

private:
    // One slot per (suite name, version) pair this cache can provide.
    struct Slot {
        const char* name;
        int32_t version;
        const void* suite;
    };
    enum SlotIndex { AnsiSuite1Slot, SlotCount };

    const void* Acquire(const char* name, int32_t version);
    void Release(const char* name, int32_t version);
    const void* Provide(SlotIndex index);

    const SPBasicSuite* basic_;
    Slot slots_[SlotCount];
};
