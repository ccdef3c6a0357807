// Reads Mode, Orientation, Comparator and Threshold from the host's params.
#include "render_settings.h"

#include "parameters.h"

bool HasSettingRecords(const PF_ParamDef* const params[])
{
    if (!params) return false;
    for (A_long index = InputLayerParam; index < ParamCount; ++index) {
        if (!params[index]) return false;
    }
    return true;
}

RenderSettings ReadRenderSettings(const PF_ParamDef* const params[])
{
    return RenderSettings{
        params[ModeParam]->u.pd.value,
        params[OrientationParam]->u.pd.value,
        params[ComparatorParam]->u.pd.value,
        params[ThresholdParam]->u.sd.value,
    };
}
