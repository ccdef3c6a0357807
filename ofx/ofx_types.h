// The OpenFX C interface's plain types, status codes and the two structs the
// binary entry hands over (OfxHost, OfxPlugin), declared here in our own words.
// Every size and offset we rely on is pinned below: Linux x86-64 and Win64 agree.
#pragma once

#include <cstddef>

extern "C" {

struct OfxPropertySetStruct;
struct OfxImageEffectStruct;
struct OfxImageClipStruct;
struct OfxParamStruct;
struct OfxParamSetStruct;
struct OfxImageMemoryStruct;
using OfxPropertySetHandle = OfxPropertySetStruct*;
using OfxImageEffectHandle = OfxImageEffectStruct*;
using OfxImageClipHandle = OfxImageClipStruct*;
using OfxParamHandle = OfxParamStruct*;
using OfxParamSetHandle = OfxParamSetStruct*;
using OfxImageMemoryHandle = OfxImageMemoryStruct*;

using OfxStatus = int;
using OfxTime = double;

struct OfxRectI {
    int x1, y1, x2, y2;
};
struct OfxRectD {
    double x1, y1, x2, y2;
};

struct OfxHost {
    OfxPropertySetHandle host;
    const void* (*fetchSuite)(OfxPropertySetHandle host, const char* suiteName, int suiteVersion);
};

using OfxPluginEntryPoint = OfxStatus(const char* action, const void* handle, OfxPropertySetHandle inArgs,
                                      OfxPropertySetHandle outArgs);

struct OfxPlugin {
    const char* pluginApi;
    int apiVersion;
    const char* pluginIdentifier;
    unsigned int pluginVersionMajor;
    unsigned int pluginVersionMinor;
    void (*setHost)(OfxHost* host);
    OfxPluginEntryPoint* mainEntry;
};

}  // extern "C"

inline constexpr OfxStatus kOfxStatOK = 0;
inline constexpr OfxStatus kOfxStatFailed = 1;
inline constexpr OfxStatus kOfxStatErrFatal = 2;
inline constexpr OfxStatus kOfxStatErrUnknown = 3;
inline constexpr OfxStatus kOfxStatErrMissingHostFeature = 4;
inline constexpr OfxStatus kOfxStatErrUnsupported = 5;
inline constexpr OfxStatus kOfxStatErrExists = 6;
inline constexpr OfxStatus kOfxStatErrFormat = 7;
inline constexpr OfxStatus kOfxStatErrMemory = 8;
inline constexpr OfxStatus kOfxStatErrBadHandle = 9;
inline constexpr OfxStatus kOfxStatErrBadIndex = 10;
inline constexpr OfxStatus kOfxStatErrValue = 11;
inline constexpr OfxStatus kOfxStatReplyYes = 12;
inline constexpr OfxStatus kOfxStatReplyNo = 13;
inline constexpr OfxStatus kOfxStatReplyDefault = 14;
inline constexpr OfxStatus kOfxStatErrImageFormat = 1000;

constexpr int kOfxImageEffectPluginApiVersion = 1;

static_assert(sizeof(OfxStatus) == 4 && sizeof(OfxTime) == 8, "OfxStatus is an int, OfxTime a double");
static_assert(sizeof(OfxRectI) == 16 && offsetof(OfxRectI, x2) == 8, "OfxRectI is four ints");
static_assert(sizeof(OfxRectD) == 32 && offsetof(OfxRectD, x2) == 16, "OfxRectD is four doubles");
static_assert(sizeof(OfxHost) == 16 && offsetof(OfxHost, fetchSuite) == 8, "OfxHost layout");
static_assert(sizeof(OfxPlugin) == 48, "OfxPlugin is 48 bytes");
static_assert(offsetof(OfxPlugin, apiVersion) == 8 && offsetof(OfxPlugin, pluginIdentifier) == 16 &&
                  offsetof(OfxPlugin, pluginVersionMajor) == 24 && offsetof(OfxPlugin, pluginVersionMinor) == 28 &&
                  offsetof(OfxPlugin, setHost) == 32 && offsetof(OfxPlugin, mainEntry) == 40,
              "OfxPlugin field offsets");
