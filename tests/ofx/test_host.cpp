// The test host's suites.
#include "test_host.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <memory>
#include <new>

#if defined(_WIN32)
#include <windows.h>
#else
#include <thread>
#endif

#include "library_loading.h"

namespace {

char* Read(const std::string& text)
{
    return const_cast<char*>(text.c_str());
}

template <typename T>
T Read(const T& value)
{
    return value;
}

template <auto field, typename In>
OfxStatus SetOne(OfxPropertySetHandle set, const char* name, int index, In value)
{
    if (!set || index < 0) return kOfxStatErrBadIndex;
    if (Host().unknownProperties.count(name)) return kOfxStatErrUnknown;
    auto& values = set->values[name];
    if (values.size() <= static_cast<size_t>(index)) values.resize(static_cast<size_t>(index) + 1);
    values[static_cast<size_t>(index)].*field = value;
    return kOfxStatOK;
}

template <auto field, typename In>
OfxStatus SetMany(OfxPropertySetHandle set, const char* name, int count, const In* values)
{
    if (Host().unknownProperties.count(name)) return kOfxStatErrUnknown;
    set->values[name].assign(static_cast<size_t>(count), {});
    for (int i = 0; i < count; ++i) SetOne<field>(set, name, i, values[i]);
    return kOfxStatOK;
}

template <auto field, typename Out>
OfxStatus GetOne(OfxPropertySetHandle set, const char* name, int index, Out* value)
{
    const auto found = set->values.find(name);
    if (found == set->values.end()) return kOfxStatErrUnknown;
    if (index < 0 || static_cast<size_t>(index) >= found->second.size()) return kOfxStatErrBadIndex;
    *value = Read(found->second[static_cast<size_t>(index)].*field);
    return kOfxStatOK;
}

template <auto field, typename Out>
OfxStatus GetMany(OfxPropertySetHandle set, const char* name, int count, Out* values)
{
    OfxStatus status = kOfxStatOK;
    for (int i = 0; i < count && status == kOfxStatOK; ++i) status = GetOne<field>(set, name, i, values + i);
    return status;
}

using V = PropertyValue;
// In the suite's order: set one, set many, get one, get many; reset and dimension unused.
// clang-format off
const OfxPropertySuiteV1 kPropertySuite = {
    SetOne<&V::pointer, void*>, SetOne<&V::text, const char*>, SetOne<&V::real, double>, SetOne<&V::integer, int>,
    SetMany<&V::pointer, void*>, SetMany<&V::text, const char*>, SetMany<&V::real, double>, SetMany<&V::integer, int>,
    GetOne<&V::pointer, void*>, GetOne<&V::text, char*>, GetOne<&V::real, double>, GetOne<&V::integer, int>,
    GetMany<&V::pointer, void*>, GetMany<&V::text, char*>, GetMany<&V::real, double>, GetMany<&V::integer, int>,
    nullptr, nullptr};
// clang-format on

const OfxImageEffectSuiteV1 kImageEffectSuite = {
    [](OfxImageEffectHandle effect, OfxPropertySetHandle* set) {
        *set = &effect->properties;
        return kOfxStatOK;
    },
    [](OfxImageEffectHandle effect, OfxParamSetHandle* set) {
        *set = &effect->params;
        return kOfxStatOK;
    },
    [](OfxImageEffectHandle effect, const char* name, OfxPropertySetHandle* set) {
        auto& clip = effect->clips[name];
        clip = std::make_unique<OfxImageClipStruct>();
        *set = &clip->properties;
        return kOfxStatOK;
    },
    [](OfxImageEffectHandle effect, const char* name, OfxImageClipHandle* clip, OfxPropertySetHandle* set) {
        *clip = effect->clips.count(name) ? effect->clips[name].get() : nullptr;
        if (set && *clip) *set = &(*clip)->properties;
        return *clip ? kOfxStatOK : kOfxStatErrUnknown;
    },
    nullptr,
    [](OfxImageClipHandle clip, OfxTime, const OfxRectD*, OfxPropertySetHandle* image) {
        if (!clip->image) return kOfxStatFailed;
        *image = clip->image;
        ++Host().imagesFetched;
        return kOfxStatOK;
    },
    [](OfxPropertySetHandle) {
        ++Host().imagesReleased;
        return kOfxStatOK;
    },
    [](OfxImageClipHandle clip, OfxTime, OfxRectD* region) {
        *region = clip->regionOfDefinition;
        return kOfxStatOK;
    },
    [](OfxImageEffectHandle) { return Host().abortAfter >= 0 && Host().abortCalls++ >= Host().abortAfter ? 1 : 0; },
    [](OfxImageEffectHandle, size_t bytes, OfxImageMemoryHandle* memory) {
        // 16-byte aligned, as the suite promises.
        *memory = reinterpret_cast<OfxImageMemoryHandle>(new (std::nothrow) std::max_align_t[bytes / 16 + 1]);
        if (!*memory) return kOfxStatErrMemory;
        ++Host().memoryAllocated;
        return kOfxStatOK;
    },
    [](OfxImageMemoryHandle memory) {
        delete[] reinterpret_cast<std::max_align_t*>(memory);
        ++Host().memoryFreed;
        return kOfxStatOK;
    },
    [](OfxImageMemoryHandle memory, void** data) {
        *data = memory;
        return kOfxStatOK;
    },
    [](OfxImageMemoryHandle) { return kOfxStatOK; }};

struct ThreadCall {
    OfxThreadFunction* function;
    unsigned int index;
    unsigned int count;
    void* argument;
};

void RunThread(const ThreadCall& call)
{
    ++Host().threadsStarted;
    call.function(call.index, call.count, call.argument);
}

OfxStatus MultiThread(OfxThreadFunction* function, unsigned int count, void* argument)
{
    std::vector<ThreadCall> calls;
    for (unsigned int index = 0; index < count; ++index) calls.push_back({function, index, count, argument});
#if defined(_WIN32)
    std::vector<HANDLE> threads;
    for (ThreadCall& call : calls) {
        const auto start = [](void* call) -> DWORD {
            RunThread(*static_cast<ThreadCall*>(call));
            return 0;
        };
        threads.push_back(CreateThread(nullptr, 0, start, &call, 0, nullptr));
    }
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE thread : threads) CloseHandle(thread);
#else
    std::vector<std::thread> threads;
    for (const ThreadCall& call : calls) threads.emplace_back(RunThread, call);
    for (std::thread& thread : threads) thread.join();
#endif
    return kOfxStatOK;
}

const OfxMultiThreadSuiteV1 kMultiThreadSuite = {MultiThread, [](unsigned int* count) {
                                                     *count = Host().threads;
                                                     return kOfxStatOK;
                                                 }};

OfxStatus ValueAtTime(OfxParamHandle param, OfxTime time, ...)
{
    va_list values;
    va_start(values, time);
    *va_arg(values, int*) = param->value;
    va_end(values);
    return kOfxStatOK;
}

const OfxParameterSuiteV1 kParameterSuite = {
    [](OfxParamSetHandle set, const char*, const char* name, OfxPropertySetHandle* properties) {
        set->params.push_back(std::make_unique<OfxParamStruct>());
        set->params.back()->name = name;
        if (properties) *properties = &set->params.back()->properties;
        return kOfxStatOK;
    },
    [](OfxParamSetHandle set, const char* name, OfxParamHandle* param, OfxPropertySetHandle*) {
        *param = set->Find(name);
        return *param ? kOfxStatOK : kOfxStatErrUnknown;
    },
    nullptr,
    nullptr,
    nullptr,
    ValueAtTime};

OfxStatus Message(void*, const char*, const char*, const char* format, ...)
{
    char text[1024];
    va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    Host().messages.push_back(text);
    return kOfxStatOK;
}

const OfxMessageSuiteV1 kMessageSuite = {Message};

const void* FetchSuite(OfxPropertySetHandle, const char* name, int version)
{
    if (version != 1) return nullptr;
    if (std::strcmp(name, "OfxPropertySuite") == 0) return &kPropertySuite;
    if (std::strcmp(name, "OfxImageEffectSuite") == 0) return &kImageEffectSuite;
    if (std::strcmp(name, "OfxParameterSuite") == 0) return &kParameterSuite;
    if (std::strcmp(name, "OfxMessageSuite") == 0) return &kMessageSuite;
    if (std::strcmp(name, "OfxMultiThreadSuite") == 0 && Host().threads > 0) return &kMultiThreadSuite;
    return nullptr;
}

}  // namespace

std::vector<std::string> OfxPropertySetStruct::Texts(const std::string& name) const
{
    std::vector<std::string> texts;
    const auto found = values.find(name);
    if (found != values.end()) {
        for (const PropertyValue& value : found->second) texts.push_back(value.text);
    }
    return texts;
}

int OfxPropertySetStruct::Int(const std::string& name, size_t index) const
{
    const auto found = values.find(name);
    return found != values.end() && index < found->second.size() ? found->second[index].integer : -12345;
}

OfxParamStruct* OfxParamSetStruct::Find(const std::string& name) const
{
    for (const auto& param : params) {
        if (param->name == name) return param.get();
    }
    return nullptr;
}

OfxPlugin* LoadPlugin(const char* path, int& pluginCount)
{
    void* library = OpenLibrary(path);
    const auto count = library ? reinterpret_cast<int (*)()>(FindSymbol(library, "OfxGetNumberOfPlugins")) : nullptr;
    const auto plugin = library ? reinterpret_cast<OfxPlugin* (*)(int)>(FindSymbol(library, "OfxGetPlugin")) : nullptr;
    if (!count || !plugin) {
        std::fprintf(stderr, "FAIL: %s: not loaded, or without the OpenFX entry points\n", path);
        return nullptr;
    }
    pluginCount = count();
    return plugin(0);
}

TestHost::TestHost() : host{&properties, FetchSuite} {}

TestHost& Host()
{
    static TestHost host;
    return host;
}

std::unique_ptr<OfxImageEffectStruct> InstanceOf(const OfxImageEffectStruct& description)
{
    auto instance = std::make_unique<OfxImageEffectStruct>();
    for (const auto& [name, clip] : description.clips) {
        instance->clips[name] = std::make_unique<OfxImageClipStruct>(*clip);
    }
    for (const auto& param : description.params.params) {
        instance->params.params.push_back(std::make_unique<OfxParamStruct>(*param));
        instance->params.params.back()->value = param->properties.Int("OfxParamPropDefault");
    }
    return instance;
}
