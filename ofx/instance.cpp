// The instance's handles, kept in its OfxPropInstanceData.
#include "instance.h"

#include <memory>

#include "host_suites.h"
#include "ofx_strings.h"
#include "properties.h"

namespace {

OfxStatus LookUp(OfxImageEffectHandle effect, InstanceHandles& handles)
{
    const OfxImageEffectSuiteV1& suite = *Suites()->effect;
    OfxStatus status = suite.clipGetHandle(effect, kOfxImageEffectSimpleSourceClipName, &handles.source, nullptr);
    if (status == kOfxStatOK)
        status = suite.clipGetHandle(effect, kOfxImageEffectOutputClipName, &handles.output, nullptr);
    OfxParamSetHandle parameters = nullptr;
    if (status == kOfxStatOK) status = suite.getParamSet(effect, &parameters);
    if (status == kOfxStatOK) status = FindParameters(parameters, handles.parameters);
    return status;
}

OfxStatus InstanceProperties(OfxImageEffectHandle effect, OfxPropertySetHandle& set)
{
    return Suites()->effect->getPropertySet(effect, &set);
}

}  // namespace

OfxStatus CreateInstance(OfxImageEffectHandle effect)
{
    auto handles = std::make_unique<InstanceHandles>();
    OfxStatus status = LookUp(effect, *handles);
    OfxPropertySetHandle set = nullptr;
    if (status == kOfxStatOK) status = InstanceProperties(effect, set);
    if (status == kOfxStatOK)
        status = Properties(*Suites()->property, set).SetPointer(kOfxPropInstanceData, handles.get());
    if (status == kOfxStatOK) handles.release();
    return status;
}

OfxStatus DestroyInstance(OfxImageEffectHandle effect)
{
    OfxPropertySetHandle set = nullptr;
    if (InstanceProperties(effect, set) != kOfxStatOK) return kOfxStatErrBadHandle;
    const Properties properties(*Suites()->property, set);
    void* data = nullptr;
    if (properties.GetPointer(kOfxPropInstanceData, data) == kOfxStatOK) {
        delete static_cast<InstanceHandles*>(data);
        properties.SetPointer(kOfxPropInstanceData, nullptr);
    }
    return kOfxStatOK;
}

const InstanceHandles* HandlesOf(OfxImageEffectHandle effect)
{
    OfxPropertySetHandle set = nullptr;
    void* data = nullptr;
    if (InstanceProperties(effect, set) != kOfxStatOK) return nullptr;
    if (Properties(*Suites()->property, set).GetPointer(kOfxPropInstanceData, data) != kOfxStatOK) return nullptr;
    return static_cast<const InstanceHandles*>(data);
}
