// Reads Mode, Orientation, Comparator and Threshold from the host's params.
#include "host_settings.h"

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
        SettingOfChoice<Mode>(params[ModeParam]->u.pd.value),
        SettingOfChoice<Orientation>(params[OrientationParam]->u.pd.value),
        SettingOfChoice<Comparator>(params[ComparatorParam]->u.pd.value),
        params[ThresholdParam]->u.sd.value,
    };
}
