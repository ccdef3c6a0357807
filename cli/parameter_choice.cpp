// Matching option text against a parameter's declared choices and range.
#include "parameter_choice.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// A whole decimal number filling the text, or false.
bool ParseWholeNumber(const std::string& text, PF_ParamValue& number)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool FindChoiceByName(const DeclaredParameter& parameter, const std::string& text, PF_ParamValue& value)
{
    for (size_t i = 0; i < parameter.choices.size(); ++i) {
        if (!parameter.choices[i].empty() && SameIgnoringCase(parameter.choices[i], text)) {
            value = static_cast<PF_ParamValue>(i + 1);
            return true;
        }
    }
    return false;
}

[[noreturn]] void RejectValue(const DeclaredParameter& parameter, const std::string& text, const char* problem)
{
    throw std::invalid_argument("--" + OptionName(parameter) + " '" + text + "' " + problem + "; choose " +
                                DescribeChoices(parameter));
}

}  // namespace

PF_ParamValue ParseParameterValue(const DeclaredParameter& parameter, const std::string& text)
{
    PF_ParamValue value = 0;
    if (IsPopup(parameter) && FindChoiceByName(parameter, text, value)) return value;
    if (!ParseWholeNumber(text, value)) RejectValue(parameter, text, "is not a valid choice");
    const auto range = ValueRange(parameter);
    if (value < range.first || value > range.second) RejectValue(parameter, text, "is out of range");
    return value;
}

std::string DescribeChoices(const DeclaredParameter& parameter)
{
    if (!IsPopup(parameter)) {
        const auto range = ValueRange(parameter);
        return std::to_string(range.first) + " to " + std::to_string(range.second);
    }
    std::string description;
    for (size_t i = 0; i < parameter.choices.size(); ++i) {
        if (i > 0) description += ", ";
        description += std::to_string(i + 1);
        if (!parameter.choices[i].empty()) description += " " + parameter.choices[i];
    }
    return description;
}
