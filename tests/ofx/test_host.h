// A small OpenFX host for the face's tests: it loads a bundle's binary and offers
// property sets, effects with clips and parameters, and the suites the effect
// fetches (property, image effect with image memory and abort, parameter,
// message, multithread). Handles are pointers to the structs below. Images are
// property sets the test fills; the host counts their fetches and releases and
// its image memory's allocations and frees, keeps every message the effect posts,
// runs multiThread on `threads` threads of its own (none offered when 0), and
// answers abort with 1 from its abortAfter-th call on (never when negative).
// Setting a property named in unknownProperties fails with kOfxStatErrUnknown,
// as on a host older than that property.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ofx_suites.h"

struct PropertyValue {
    std::string text;
    int integer = 0;
    double real = 0;
    void* pointer = nullptr;
};

struct OfxPropertySetStruct {
    std::map<std::string, std::vector<PropertyValue>> values;
    std::vector<std::string> Texts(const std::string& name) const;
    int Int(const std::string& name, size_t index = 0) const;
};

struct OfxParamStruct {
    std::string name;
    OfxPropertySetStruct properties;
    int value = 0;
};

struct OfxParamSetStruct {
    std::vector<std::unique_ptr<OfxParamStruct>> params;  // in the order defined
    OfxParamStruct* Find(const std::string& name) const;
};

struct OfxImageClipStruct {
    OfxPropertySetStruct properties;
    OfxPropertySetStruct* image = nullptr;  // what clipGetImage hands out; null: no image
    OfxRectD regionOfDefinition{};
};

struct OfxImageEffectStruct {
    OfxPropertySetStruct properties;
    std::map<std::string, std::unique_ptr<OfxImageClipStruct>> clips;
    OfxParamSetStruct params;
};

struct TestHost {
    OfxPropertySetStruct properties;
    OfxHost host;
    int imagesFetched = 0;
    int imagesReleased = 0;
    std::vector<std::string> messages;
    unsigned int threads = 1;
    std::atomic<int> threadsStarted{0};
    int abortAfter = -1;
    std::atomic<int> abortCalls{0};
    std::atomic<int> memoryAllocated{0};
    std::atomic<int> memoryFreed{0};
    std::set<std::string> unknownProperties;

    TestHost();
};

// The one host whose suites the effect calls.
TestHost& Host();
// The plug-in of the bundle binary at `path`, loaded as a host loads it (dlopen,
// LoadLibrary), with the number of plug-ins the binary says it holds; null, with
// the reason on stderr, when there is none.
OfxPlugin* LoadPlugin(const char* path, int& pluginCount);
// An instance made as a host makes one from a context's description: the same
// clips and parameters, each parameter at its default.
std::unique_ptr<OfxImageEffectStruct> InstanceOf(const OfxImageEffectStruct& description);
