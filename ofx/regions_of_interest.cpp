// The Source region of interest.
#include "regions_of_interest.h"

#include "host_suites.h"
#include "instance.h"
#include "ofx_strings.h"
#include "properties.h"

OfxStatus RegionsOfInterest(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs)
{
    const HostSuites& suites = *Suites();
    const InstanceHandles* handles = HandlesOf(effect);
    OfxTime time = 0;
    OfxRectD frame{};
    if (!handles || Properties(*suites.property, inArgs).GetDouble(kOfxPropTime, time) != kOfxStatOK ||
        suites.effect->clipGetRegionOfDefinition(handles->source, time, &frame) != kOfxStatOK) {
        return kOfxStatReplyDefault;
    }
    return Properties(*suites.property, outArgs).SetDoubles(kOfxImageClipPropRoISource, &frame.x1, 4);
}
