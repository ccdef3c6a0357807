// Matching text against popup choices.
#include "choice_text.h"

#include <cctype>
#include <charconv>
#include <sstream>

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

}  // namespace

std::vector<std::string> SplitChoices(const std::string& entries, int choiceCount)
{
    std::vector<std::string> choices(choiceCount > 0 ? static_cast<size_t>(choiceCount) : 0);
    std::istringstream names(entries);
    for (std::string& choice : choices) {
        if (!std::getline(names, choice, '|')) break;
    }
    return choices;
}

bool ParseWholeNumber(const std::string& text, int32_t& number)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool FindChoice(const std::vector<std::string>& choices, const std::string& text, int32_t& value)
{
    for (size_t i = 0; i < choices.size(); ++i) {
        if (!choices[i].empty() && SameIgnoringCase(choices[i], text)) {
            value = static_cast<int32_t>(i + 1);
            return true;
        }
    }
    int32_t number = 0;
    if (!ParseWholeNumber(text, number) || number < 1 || static_cast<size_t>(number) > choices.size()) return false;
    value = number;
    return true;
}

std::string DescribeChoices(const std::vector<std::string>& choices)
{
    std::string description;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) description += ", ";
        description += std::to_string(i + 1);
        if (!choices[i].empty()) description += " " + choices[i];
    }
    return description;
}
