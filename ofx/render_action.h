// RenderAction: one render of an instance. It reads the time, the render window
// and the parameters, fetches the whole Source image and the Output image, and
// hands them to the render of their pixel format. Every failure comes back as an
// OpenFX status, with a message to the host where the user should learn why, and
// writes nothing; both images are given back on every path.
#pragma once

#include "ofx_types.h"

OfxStatus RenderAction(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs);
