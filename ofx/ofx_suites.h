// The OpenFX suites the effect fetches, declared in our own words: property,
// image effect, parameter, message and multithread (version 1). Entries the effect never calls
// keep their place as opaque pointers; the variadic ones are declared variadic,
// as a host reads them with va_arg (a fixed prototype passes a double in the wrong
// register on Win64). Sizes and the offsets of the entries we call are pinned.
#pragma once

#include "ofx_types.h"

extern "C" {

using OfxUnusedEntry = void (*)();

struct OfxPropertySuiteV1 {
    OfxStatus (*propSetPointer)(OfxPropertySetHandle, const char*, int, void*);
    OfxStatus (*propSetString)(OfxPropertySetHandle, const char*, int, const char*);
    OfxStatus (*propSetDouble)(OfxPropertySetHandle, const char*, int, double);
    OfxStatus (*propSetInt)(OfxPropertySetHandle, const char*, int, int);
    OfxStatus (*propSetPointerN)(OfxPropertySetHandle, const char*, int, void* const*);
    OfxStatus (*propSetStringN)(OfxPropertySetHandle, const char*, int, const char* const*);
    OfxStatus (*propSetDoubleN)(OfxPropertySetHandle, const char*, int, const double*);
    OfxStatus (*propSetIntN)(OfxPropertySetHandle, const char*, int, const int*);
    OfxStatus (*propGetPointer)(OfxPropertySetHandle, const char*, int, void**);
    OfxStatus (*propGetString)(OfxPropertySetHandle, const char*, int, char**);
    OfxStatus (*propGetDouble)(OfxPropertySetHandle, const char*, int, double*);
    OfxStatus (*propGetInt)(OfxPropertySetHandle, const char*, int, int*);
    OfxStatus (*propGetPointerN)(OfxPropertySetHandle, const char*, int, void**);
    OfxStatus (*propGetStringN)(OfxPropertySetHandle, const char*, int, char**);
    OfxStatus (*propGetDoubleN)(OfxPropertySetHandle, const char*, int, double*);
    OfxStatus (*propGetIntN)(OfxPropertySetHandle, const char*, int, int*);
    OfxStatus (*propReset)(OfxPropertySetHandle, const char*);
    OfxStatus (*propGetDimension)(OfxPropertySetHandle, const char*, int*);
};

struct OfxImageEffectSuiteV1 {
    OfxStatus (*getPropertySet)(OfxImageEffectHandle, OfxPropertySetHandle*);
    OfxStatus (*getParamSet)(OfxImageEffectHandle, OfxParamSetHandle*);
    OfxStatus (*clipDefine)(OfxImageEffectHandle, const char* name, OfxPropertySetHandle*);
    OfxStatus (*clipGetHandle)(OfxImageEffectHandle, const char* name, OfxImageClipHandle*, OfxPropertySetHandle*);
    OfxStatus (*clipGetPropertySet)(OfxImageClipHandle, OfxPropertySetHandle*);
    OfxStatus (*clipGetImage)(OfxImageClipHandle, OfxTime, const OfxRectD* region, OfxPropertySetHandle* image);
    OfxStatus (*clipReleaseImage)(OfxPropertySetHandle image);
    OfxStatus (*clipGetRegionOfDefinition)(OfxImageClipHandle, OfxTime, OfxRectD*);
    int (*abort)(OfxImageEffectHandle);
    OfxStatus (*imageMemoryAlloc)(OfxImageEffectHandle, size_t bytes, OfxImageMemoryHandle*);
    OfxStatus (*imageMemoryFree)(OfxImageMemoryHandle);
    OfxStatus (*imageMemoryLock)(OfxImageMemoryHandle, void** pointer);
    OfxStatus (*imageMemoryUnlock)(OfxImageMemoryHandle);
};

struct OfxParameterSuiteV1 {
    OfxStatus (*paramDefine)(OfxParamSetHandle, const char* paramType, const char* name, OfxPropertySetHandle*);
    OfxStatus (*paramGetHandle)(OfxParamSetHandle, const char* name, OfxParamHandle*, OfxPropertySetHandle*);
    OfxUnusedEntry paramSetGetPropertySet, paramGetPropertySet, paramGetValue;
    OfxStatus (*paramGetValueAtTime)(OfxParamHandle, OfxTime, ...);
    OfxUnusedEntry paramGetDerivative, paramGetIntegral, paramSetValue, paramSetValueAtTime, paramGetNumKeys,
        paramGetKeyTime, paramGetKeyIndex, paramDeleteKey, paramDeleteAllKeys, paramCopy, paramEditBegin, paramEditEnd;
};

using OfxThreadFunction = void(unsigned int threadIndex, unsigned int threadMax, void* customArg);

struct OfxMultiThreadSuiteV1 {
    OfxStatus (*multiThread)(OfxThreadFunction* function, unsigned int threadCount, void* customArg);
    OfxStatus (*multiThreadNumCPUs)(unsigned int* count);
    OfxUnusedEntry multiThreadIndex, multiThreadIsSpawnedThread, mutexCreate, mutexDestroy, mutexLock, mutexUnLock,
        mutexTryLock;
};

struct OfxMessageSuiteV1 {
    OfxStatus (*message)(void* handle, const char* messageType, const char* messageId, const char* format, ...);
};

}  // extern "C"

static_assert(sizeof(OfxPropertySuiteV1) == 144, "the property suite has 18 entries");
static_assert(offsetof(OfxPropertySuiteV1, propSetStringN) == 40 && offsetof(OfxPropertySuiteV1, propSetIntN) == 56 &&
                  offsetof(OfxPropertySuiteV1, propGetPointer) == 64 &&
                  offsetof(OfxPropertySuiteV1, propGetString) == 72 &&
                  offsetof(OfxPropertySuiteV1, propGetDouble) == 80 && offsetof(OfxPropertySuiteV1, propGetInt) == 88 &&
                  offsetof(OfxPropertySuiteV1, propGetDoubleN) == 112 &&
                  offsetof(OfxPropertySuiteV1, propGetIntN) == 120 &&
                  offsetof(OfxPropertySuiteV1, propGetDimension) == 136,
              "property suite entry offsets");
static_assert(sizeof(OfxImageEffectSuiteV1) == 104, "the image effect suite has 13 entries");
static_assert(offsetof(OfxImageEffectSuiteV1, getParamSet) == 8 && offsetof(OfxImageEffectSuiteV1, clipDefine) == 16 &&
                  offsetof(OfxImageEffectSuiteV1, clipGetHandle) == 24 &&
                  offsetof(OfxImageEffectSuiteV1, clipGetImage) == 40 &&
                  offsetof(OfxImageEffectSuiteV1, clipReleaseImage) == 48 &&
                  offsetof(OfxImageEffectSuiteV1, clipGetRegionOfDefinition) == 56 &&
                  offsetof(OfxImageEffectSuiteV1, abort) == 64 &&
                  offsetof(OfxImageEffectSuiteV1, imageMemoryAlloc) == 72 &&
                  offsetof(OfxImageEffectSuiteV1, imageMemoryFree) == 80 &&
                  offsetof(OfxImageEffectSuiteV1, imageMemoryLock) == 88 &&
                  offsetof(OfxImageEffectSuiteV1, imageMemoryUnlock) == 96,
              "image effect suite entry offsets");
static_assert(sizeof(OfxParameterSuiteV1) == 144, "the parameter suite has 18 entries");
static_assert(offsetof(OfxParameterSuiteV1, paramGetHandle) == 8 &&
                  offsetof(OfxParameterSuiteV1, paramGetValueAtTime) == 40,
              "parameter suite entry offsets");
static_assert(sizeof(OfxMultiThreadSuiteV1) == 72 && offsetof(OfxMultiThreadSuiteV1, multiThreadNumCPUs) == 8,
              "the multithread suite has 9 entries, the CPU count second");
static_assert(sizeof(OfxMessageSuiteV1) == 8, "the message suite version 1 has one entry");
