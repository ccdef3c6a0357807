// Matching option text against a parameter's declared choices and range.
#include "parameter_choice.h"

#include <stdexcept>

#include "choice_text.h"

namespace {

[[noreturn]] void RejectValue(const DeclaredParameter& parameter, const std::string& text, const char* problem)
{
    throw std::invalid_argument("--" + OptionName(parameter) + " '" + text + "' " + problem + "; choose " +
                                DescribeChoices(parameter));
}

}  // namespace

PF_ParamValue ParseParameterValue(const DeclaredParameter& parameter, const std::string& text)
{
    PF_ParamValue value = 0;
    if (IsPopup(parameter) && FindChoice(parameter.choices, text, value)) return value;
    if (!ParseWholeNumber(text, value)) RejectValue(parameter, text, "is not a valid choice");
    const auto range = ValueRange(parameter);
    if (value < range.first || value > range.second) RejectValue(parameter, text, "is out of range");
    return value;
}

std::string DescribeChoices(const DeclaredParameter& parameter)
{
    if (IsPopup(parameter)) return DescribeChoices(parameter.choices);
    const auto range = ValueRange(parameter);
    return std::to_string(range.first) + " to " + std::to_string(range.second);
}
