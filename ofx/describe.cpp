// Describe and DescribeInContext.
#include "describe.h"

#include <string>

#include "host_suites.h"
#include "ofx_identity.h"
#include "ofx_strings.h"
#include "parameters.h"
#include "properties.h"

namespace {

OfxStatus DefineClip(OfxImageEffectHandle effect, const char* name)
{
    const HostSuites& suites = *Suites();
    OfxPropertySetHandle set = nullptr;
    const OfxStatus status = suites.effect->clipDefine(effect, name, &set);
    if (status != kOfxStatOK) return status;
    const Properties properties(*suites.property, set);
    PropertyWriter writer(properties);
    writer.Strings(kOfxImageEffectPropSupportedComponents, {kOfxImageComponentRGBA, kOfxImageComponentRGB});
    writer.Int(kOfxImageEffectPropSupportsTiles, 0);
    return writer.Status();
}

bool IsSupportedContext(const std::string& context)
{
    return context == kOfxImageEffectContextFilter || context == kOfxImageEffectContextGeneral;
}

}  // namespace

OfxStatus Describe(OfxImageEffectHandle effect)
{
    const HostSuites& suites = *Suites();
    OfxPropertySetHandle set = nullptr;
    const OfxStatus status = suites.effect->getPropertySet(effect, &set);
    if (status != kOfxStatOK) return status;
    const Properties properties(*suites.property, set);
    PropertyWriter writer(properties);
    writer.String(kOfxPropLabel, kOfxEffectLabel);
    writer.String(kOfxImageEffectPluginPropGrouping, kOfxEffectGrouping);
    writer.Strings(kOfxImageEffectPropSupportedContexts, {kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral});
    writer.Strings(kOfxImageEffectPropSupportedPixelDepths, {kOfxBitDepthByte, kOfxBitDepthShort, kOfxBitDepthFloat});
    writer.Int(kOfxImageEffectPropSupportsTiles, 0);
    writer.Int(kOfxImageEffectPluginPropHostFrameThreading, 0);
    writer.String(kOfxImageEffectPluginRenderThreadSafety, kOfxImageEffectRenderFullySafe);
    writer.Int(kOfxImageEffectPropSupportsMultiResolution, 1);
    writer.Int(kOfxImageEffectPropTemporalClipAccess, 0);
    writer.String(kOfxPropPluginDescription, kOfxEffectDescription);
    return writer.Status();
}

OfxStatus DescribeInContext(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs)
{
    const HostSuites& suites = *Suites();
    std::string context;
    OfxStatus status = Properties(*suites.property, inArgs).GetString(kOfxImageEffectPropContext, context);
    if (status != kOfxStatOK) return status;
    if (!IsSupportedContext(context)) return kOfxStatErrUnsupported;
    status = DefineClip(effect, kOfxImageEffectSimpleSourceClipName);
    if (status == kOfxStatOK) status = DefineClip(effect, kOfxImageEffectOutputClipName);
    OfxParamSetHandle parameters = nullptr;
    if (status == kOfxStatOK) status = suites.effect->getParamSet(effect, &parameters);
    if (status == kOfxStatOK) status = DefineParameters(parameters);
    return status;
}
