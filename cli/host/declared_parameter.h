// DeclaredParameter: one parameter as the effect declared it through add_param.
//
// RecordDeclaration copies the definition and, for a popup, the entries string its
// names pointer points to (the effect may reuse its buffers after the call), split
// on '|' into exactly num_choices entries: entry k is value k + 1, and entries
// beyond the string have an empty name. The helpers below read the record; none
// of them keeps a pointer into it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host_api.h"

struct DeclaredParameter {
    PF_ParamDef definition;
    std::string name;
    std::string popupNames;
    std::vector<std::string> choices;
};

DeclaredParameter RecordDeclaration(const PF_ParamDef& definition);

bool IsPopup(const DeclaredParameter& parameter);
bool IsSlider(const DeclaredParameter& parameter);

// The values a user may choose: 1..num_choices for a popup, valid_min..valid_max
// for a slider.
std::pair<PF_ParamValue, PF_ParamValue> ValueRange(const DeclaredParameter& parameter);
PF_ParamValue DefaultValue(const DeclaredParameter& parameter);

// The definition as a host passes it at render time, holding `value`. Its popup
// names pointer points into `parameter`, which must outlive the copy.
PF_ParamDef WithValue(const DeclaredParameter& parameter, PF_ParamValue value);

// The render option for the parameter: its name lowercased, blanks as '-'.
std::string OptionName(const DeclaredParameter& parameter);
