// The effect's popup choices as words, for the tools and faces that take parameter
// values as text (talvenor's options, the frei0r face's string parameters): a
// choice is named by its entry's name in any letter case ("all pixels") or by its
// number, counting from 1 as the host does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The entries string split on '|' into exactly choiceCount names: name k is value
// k + 1, and values beyond the string have an empty name.
std::vector<std::string> SplitChoices(const std::string& entries, int choiceCount);

// A whole decimal number filling the text.
bool ParseWholeNumber(const std::string& text, int32_t& number);

// The value that text names among the choices, by name or by number 1 .. size;
// false, leaving value as it was, when it names none.
bool FindChoice(const std::vector<std::string>& choices, const std::string& text, int32_t& value);

// The choices in words: "1 Simple Sort, 2 Random, ..., 6" (an entry without a
// name shows its number alone).
std::string DescribeChoices(const std::vector<std::string>& choices);
