// Recording and reading the parameters an effect declares.
#include "declared_parameter.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "choice_text.h"

DeclaredParameter RecordDeclaration(const PF_ParamDef& definition)
{
    DeclaredParameter parameter{definition, {}, {}, {}};
    const A_char* nameEnd = std::find(std::begin(definition.name), std::end(definition.name), '\0');
    parameter.name.assign(definition.name, nameEnd);
    if (IsPopup(parameter)) {
        const A_char* names = definition.u.pd.u.namesptr;
        parameter.popupNames = names ? names : "";
        parameter.choices = SplitChoices(parameter.popupNames, definition.u.pd.num_choices);
        parameter.definition.u.pd.u.namesptr = nullptr;
    }
    return parameter;
}

bool IsPopup(const DeclaredParameter& parameter)
{
    return parameter.definition.param_type == PF_Param_POPUP;
}

bool IsSlider(const DeclaredParameter& parameter)
{
    return parameter.definition.param_type == PF_Param_SLIDER;
}

std::pair<PF_ParamValue, PF_ParamValue> ValueRange(const DeclaredParameter& parameter)
{
    const PF_ParamDefUnion& u = parameter.definition.u;
    if (IsPopup(parameter)) return {1, u.pd.num_choices};
    if (IsSlider(parameter)) return {u.sd.valid_min, u.sd.valid_max};
    return {0, -1};
}

PF_ParamValue DefaultValue(const DeclaredParameter& parameter)
{
    if (IsPopup(parameter)) return parameter.definition.u.pd.dephault;
    if (IsSlider(parameter)) return parameter.definition.u.sd.dephault;
    return 0;
}

PF_ParamDef WithValue(const DeclaredParameter& parameter, PF_ParamValue value)
{
    PF_ParamDef definition = parameter.definition;
    if (IsPopup(parameter)) {
        definition.u.pd.value = value;
        definition.u.pd.u.namesptr = parameter.popupNames.c_str();
    } else if (IsSlider(parameter)) {
        definition.u.sd.value = value;
    }
    return definition;
}

std::string OptionName(const DeclaredParameter& parameter)
{
    std::string option;
    for (const char c : parameter.name) {
        const unsigned char letter = static_cast<unsigned char>(c);
        option += std::isspace(letter) ? '-' : static_cast<char>(std::tolower(letter));
    }
    return option;
}
