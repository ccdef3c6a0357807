// The exports and the action dispatch. Actions are matched by their text, never
// by pointer; an action the effect does not handle gets the default reply.
#include "entry.h"

#include <cstring>
#include <new>

#include "describe.h"
#include "host_suites.h"
#include "instance.h"
#include "ofx_identity.h"
#include "ofx_strings.h"
#include "regions_of_interest.h"
#include "render_action.h"

namespace {

using ActionHandler = OfxStatus (*)(OfxImageEffectHandle, OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs);

struct Action {
    const char* name;
    ActionHandler handler;
};

// Every handler here runs after a successful Load, with the suites at hand.
const Action kActions[] = {
    {kOfxActionDescribe,
     [](OfxImageEffectHandle effect, OfxPropertySetHandle, OfxPropertySetHandle) { return Describe(effect); }},
    {kOfxImageEffectActionDescribeInContext, [](OfxImageEffectHandle effect, OfxPropertySetHandle inArgs,
                                                OfxPropertySetHandle) { return DescribeInContext(effect, inArgs); }},
    {kOfxActionCreateInstance,
     [](OfxImageEffectHandle effect, OfxPropertySetHandle, OfxPropertySetHandle) { return CreateInstance(effect); }},
    {kOfxActionDestroyInstance,
     [](OfxImageEffectHandle effect, OfxPropertySetHandle, OfxPropertySetHandle) { return DestroyInstance(effect); }},
    {kOfxImageEffectActionGetRegionsOfInterest, RegionsOfInterest},
    {kOfxImageEffectActionRender, [](OfxImageEffectHandle effect, OfxPropertySetHandle inArgs,
                                     OfxPropertySetHandle) { return RenderAction(effect, inArgs); }},
};

OfxStatus Dispatch(const char* action, OfxImageEffectHandle effect, OfxPropertySetHandle inArgs,
                   OfxPropertySetHandle outArgs)
{
    if (std::strcmp(action, kOfxActionLoad) == 0) return FetchSuites();
    if (std::strcmp(action, kOfxActionUnload) == 0) return kOfxStatOK;
    for (const Action& known : kActions) {
        if (std::strcmp(action, known.name) != 0) continue;
        if (!Suites()) return kOfxStatErrMissingHostFeature;
        return known.handler(effect, inArgs, outArgs);
    }
    return kOfxStatReplyDefault;
}

OfxStatus MainEntry(const char* action, const void* handle, OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs)
{
    if (!action) return kOfxStatErrBadHandle;
    try {
        // The host hands the effect's handle over as a pointer to const.
        return Dispatch(action, static_cast<OfxImageEffectHandle>(const_cast<void*>(handle)), inArgs, outArgs);
    } catch (const std::bad_alloc&) {
        return kOfxStatErrMemory;
    } catch (...) {
        return kOfxStatErrUnknown;
    }
}

void SetHost(OfxHost* host)
{
    StoreHost(host);
}

OfxPlugin plugin = {kOfxImageEffectPluginApi,
                    kOfxImageEffectPluginApiVersion,
                    kOfxEffectIdentifier,
                    kOfxEffectVersionMajor,
                    kOfxEffectVersionMinor,
                    SetHost,
                    MainEntry};

}  // namespace

int OfxGetNumberOfPlugins(void)
{
    return 1;
}

OfxPlugin* OfxGetPlugin(int nth)
{
    return nth == 0 ? &plugin : nullptr;
}
