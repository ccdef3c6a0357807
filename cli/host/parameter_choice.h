// Turning what a user typed for a parameter option into the parameter's value.
//
// ParseParameterValue takes a declared parameter and the option's text: for a
// popup an entry's name in any letter case ("all pixels") or its number, for a
// slider a whole number; the number must lie within ValueRange. Anything else
// throws std::invalid_argument with a one-line message that lists what is valid.
#pragma once

#include <string>

#include "declared_parameter.h"

PF_ParamValue ParseParameterValue(const DeclaredParameter& parameter, const std::string& text);

// The valid choices in words: "1 Simple Sort, 2 Random, ..., 6" for a popup
// (an entry without a name shows its number alone), "0 to 255" for a slider.
std::string DescribeChoices(const DeclaredParameter& parameter);
