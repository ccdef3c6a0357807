// RenderSettings: the four settings of one render in the render core's own terms,
// and the words by which every face names and numbers them.
//
// Every face lists a setting's choices in the order of its entries below and
// numbers them from 1. Each list declares one choice more than it names: the top
// number has no name, and like any number outside the list it reads as Other,
// which the render treats as a value without a meaning of its own (see
// MakeSortOptions). Threshold is the slider's value, passed on unchecked.
#pragma once

#include <cstdint>

enum class Mode { SimpleSort, Random, Highlights, Shadows, AllPixels, Other };
enum class Orientation { Column, Row, Both, Other };
enum class Comparator { Average, Multiply, Min, Max, Xor, Other };

struct RenderSettings {
    Mode mode;
    Orientation orientation;
    Comparator comparator;
    int32_t threshold;  // the slider's 0 to 255
};

struct ChoiceList {
    const char* name;
    const char* entries;  // the choice names, choice 1 first, separated by '|'
    int choiceCount;      // one more than the entries name
    int defaultChoice;
};

struct SliderRange {
    const char* name;
    int32_t minimum;
    int32_t maximum;
    int32_t defaultValue;
};

inline constexpr ChoiceList kModeChoices{"Mode", "Simple Sort|Random|Highlights|Shadows|All pixels", 6, 3};
inline constexpr ChoiceList kOrientationChoices{"Orientation", "Column|Row|Both", 4, 1};
inline constexpr ChoiceList kComparatorChoices{"Comparator", "Average|Multiply|Min|Max|XOR", 6, 1};
inline constexpr SliderRange kThresholdRange{"Threshold", 0, 255, 45};

// The value a choice number names: choice 1 is the first enumerator.
template <typename Setting>
constexpr Setting SettingOfChoice(int32_t choice)
{
    return choice >= 1 && choice <= static_cast<int32_t>(Setting::Other) ? static_cast<Setting>(choice - 1)
                                                                         : Setting::Other;
}
