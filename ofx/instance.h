// An instance's lifetime: CreateInstance looks up its clips and parameters once
// and keeps their handles as the instance's data; DestroyInstance frees them.
// The handles are only read afterwards, so renders on several threads share them
// safely.
#pragma once

#include "ofx_types.h"
#include "parameters.h"

struct InstanceHandles {
    OfxImageClipHandle source;
    OfxImageClipHandle output;
    ParameterHandles parameters;
};

OfxStatus CreateInstance(OfxImageEffectHandle effect);
OfxStatus DestroyInstance(OfxImageEffectHandle effect);
// Null when the instance has none (its creation failed).
const InstanceHandles* HandlesOf(OfxImageEffectHandle effect);
