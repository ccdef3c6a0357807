// The host's parameter records read as the render's settings.
//
// HasSettingRecords says whether params holds the input layer and the four
// parameter records; ReadRenderSettings (which needs them) maps the popup values
// onto the settings' choices and copies Threshold unchecked: an out-of-range value
// is passed on for the option mapping to place.
#pragma once

#include "host_api.h"
#include "render_settings.h"

bool HasSettingRecords(const PF_ParamDef* const params[]);
RenderSettings ReadRenderSettings(const PF_ParamDef* const params[]);
