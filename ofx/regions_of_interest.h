// RegionsOfInterest: asks for the whole Source frame, its region of definition,
// whatever the window to render, since every output pixel may come from anywhere
// in the frame. Hosts that do not tile images never ask; for them the clips'
// "no tiles" already says so.
#pragma once

#include "ofx_types.h"

OfxStatus RegionsOfInterest(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs);
