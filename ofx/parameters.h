// The effect's four parameters as OpenFX declares them: Mode, Orientation and
// Comparator as choices listing the render's named entries (choice index i is the
// render's choice number i + 1), Threshold as an integer slider. The names double
// as script names, which saved projects and scripts refer to: never change them.
//
// DefineParameters declares them, in this order, in a context's description;
// ReadSettings reads an instance's values at a render's time.
#pragma once

#include "ofx_suites.h"
#include "render_settings.h"

inline constexpr const char* kModeParam = "mode";
inline constexpr const char* kOrientationParam = "orientation";
inline constexpr const char* kComparatorParam = "comparator";
inline constexpr const char* kThresholdParam = "threshold";

struct ParameterHandles {
    OfxParamHandle mode, orientation, comparator, threshold;
};

OfxStatus DefineParameters(OfxParamSetHandle parameters);
OfxStatus FindParameters(OfxParamSetHandle parameters, ParameterHandles& handles);
OfxStatus ReadSettings(const ParameterHandles& handles, OfxTime time, RenderSettings& settings);
