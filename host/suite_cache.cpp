// Acquire-on-first-use, release-at-destruction cache of the host's suites.
#include "suite_cache.h"

SuiteCache::SuiteCache(const SPBasicSuite* basic) : basic_(basic), slots_{{kPFANSISuite, kPFANSISuiteVersion1, nullptr}}
{
    if (!basic_) throw PF_Err(PF_Err_BAD_CALLBACK_PARAM);
}

SuiteCache::~SuiteCache()
{
    for (const Slot& slot : slots_) {
        if (slot.suite) Release(slot.name, slot.version);
    }
}

const PF_ANSISuite1* SuiteCache::AnsiSuite()
{
    return static_cast<const PF_ANSISuite1*>(Provide(AnsiSuite1Slot));
}

const void* SuiteCache::Provide(SlotIndex index)
{
    Slot& slot = slots_[index];
    if (!slot.suite) slot.suite = Acquire(slot.name, slot.version);
    return slot.suite;
}

const void* SuiteCache::Acquire(const char* name, int32_t version)
{
    const void* suite = nullptr;
    if (!basic_->AcquireSuite || basic_->AcquireSuite(name, version, &suite) != 0 || !suite) {
        throw PF_Err(PF_Err_BAD_CALLBACK_PARAM);
    }
    return suite;
}

void SuiteCache::Release(const char* name, int32_t version)
{
    if (basic_->ReleaseSuite) basic_->ReleaseSuite(name, version);
}
