// ParamsSetup: declares Mode, Orientation, Comparator and Threshold to the host.
// One definition record is cleared once and reused; each declaration overwrites
// the fields it sets, so every field no parameter names stays zero and asks the
// host for no special behaviour.
#include <cstring>
#include <initializer_list>

#include "handlers.h"
#include "parameters.h"

namespace {

constexpr bool FitsParamName(const A_char* name)
{
    size_t length = 0;
    while (name[length]) ++length;
    return length <= PF_MAX_EFFECT_PARAM_NAME_LEN;
}

static_assert(FitsParamName(ModeDeclaration.name) && FitsParamName(OrientationDeclaration.name) &&
                  FitsParamName(ComparatorDeclaration.name) && FitsParamName(ThresholdDeclaration.name),
              "parameter names must fit the host's name field");

void DescribePopup(PF_ParamDef& def, const PF_UtilCallbacks& utils, const PopupDeclaration& popup)
{
    def.param_type = PF_Param_POPUP;
    utils.ansi.strcpy(def.name, popup.name);
    def.u.pd.value = popup.defaultChoice;
    def.u.pd.num_choices = popup.choiceCount;
    def.u.pd.dephault = popup.defaultChoice;
    def.u.pd.u.namesptr = popup.entries;
    def.uu.id = popup.id;
}

void DescribeSlider(PF_ParamDef& def, const PF_UtilCallbacks& utils, const SliderDeclaration& slider)
{
    def.param_type = PF_Param_SLIDER;
    utils.ansi.strcpy(def.name, slider.name);
    def.u.sd.value = slider.defaultValue;
    // These overlap the popup fields of the previous declaration: clear them whole.
    std::memset(def.u.sd.value_str, 0, sizeof def.u.sd.value_str);
    std::memset(def.u.sd.value_desc, 0, sizeof def.u.sd.value_desc);
    def.u.sd.valid_min = slider.minimum;
    def.u.sd.valid_max = slider.maximum;
    def.u.sd.slider_min = slider.minimum;
    def.u.sd.slider_max = slider.maximum;
    def.u.sd.dephault = slider.defaultValue;
    def.uu.id = slider.id;
}

PF_Err Append(const PF_InData& in_data, PF_ParamDef& def)
{
    return in_data.inter.add_param(in_data.effect_ref, -1, &def);
}

}  // namespace

PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[], PF_LayerDef* /*output*/)
{
    if (!in_data || !out_data || !in_data->inter.add_param || !in_data->utils || !in_data->utils->ansi.strcpy) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_UtilCallbacks& utils = *in_data->utils;
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);

    for (const PopupDeclaration* popup : {&ModeDeclaration, &OrientationDeclaration, &ComparatorDeclaration}) {
        DescribePopup(def, utils, *popup);
        if (const PF_Err err = Append(*in_data, def)) return err;
    }
    DescribeSlider(def, utils, ThresholdDeclaration);
    if (const PF_Err err = Append(*in_data, def)) return err;

    out_data->num_params = ParamCount;
    return PF_Err_NONE;
}
