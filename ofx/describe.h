// The descriptions the host asks for once per load: Describe, the effect as a
// whole; DescribeInContext, its clips and parameters in one context.
//
// The effect rearranges the whole frame, so it takes no tiles on the effect or
// either clip and no frame split among host threads; a render keeps nothing
// shared, so renders are fully thread-safe.
#pragma once

#include "ofx_types.h"

OfxStatus Describe(OfxImageEffectHandle effect);
OfxStatus DescribeInContext(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs);
