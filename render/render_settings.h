// RenderSettings: the four parameter values of one render, as the host gives them.
//
// HasSettingRecords says whether params holds the input layer and the four
// parameter records; ReadRenderSettings (which needs them) copies the values,
// unchecked: an out-of-range value is passed on for the option mapping to place.
#pragma once

#include "host_api.h"

struct RenderSettings {
    PF_ParamValue mode;
    PF_ParamValue orientation;
    PF_ParamValue comparator;
    PF_ParamValue threshold;
};

bool HasSettingRecords(const PF_ParamDef* const params[]);
RenderSettings ReadRenderSettings(const PF_ParamDef* const params[]);
