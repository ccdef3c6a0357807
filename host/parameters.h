// The effect's four user parameters as the host sees them: where each sits in the
// host's params array at Render (its id is the same number), what each popup value
// means, and what ParamsSetup declares to the host. Names, choices and defaults are
// the render's own (render_settings.h), which numbers choices from 1 as the host
// counts popup values. Each popup is declared with one choice more than its entries
// name, so its top value has no name and reaches Render like any other value.
#pragma once

#include "host_api.h"
#include "render_settings.h"

enum ParamIndex : A_long {
    InputLayerParam = 0,
    ModeParam = 1,
    OrientationParam = 2,
    ComparatorParam = 3,
    ThresholdParam = 4,
    ParamCount = 5  // the input layer and the four parameters: what num_params reports
};

enum ModeChoice : PF_ParamValue { ModeSimpleSort = 1, ModeRandom, ModeHighlights, ModeShadows, ModeAllPixels };
enum OrientationChoice : PF_ParamValue { OrientationColumn = 1, OrientationRow, OrientationBoth };
enum ComparatorChoice : PF_ParamValue {
    ComparatorAverage = 1,
    ComparatorMultiply,
    ComparatorMin,
    ComparatorMax,
    ComparatorXor
};

struct PopupDeclaration {
    ParamIndex id;
    const A_char* name;
    const A_char* entries;  // the choice names, value 1 first, separated by '|'
    A_short choiceCount;
    A_short defaultChoice;
};

struct SliderDeclaration {
    ParamIndex id;
    const A_char* name;
    PF_ParamValue minimum;  // both the valid and the slider range
    PF_ParamValue maximum;
    PF_ParamValue defaultValue;
};

constexpr PopupDeclaration PopupOf(ParamIndex id, const ChoiceList& choices)
{
    return PopupDeclaration{id, choices.name, choices.entries, static_cast<A_short>(choices.choiceCount),
                            static_cast<A_short>(choices.defaultChoice)};
}

inline constexpr PopupDeclaration ModeDeclaration = PopupOf(ModeParam, kModeChoices);
inline constexpr PopupDeclaration OrientationDeclaration = PopupOf(OrientationParam, kOrientationChoices);
inline constexpr PopupDeclaration ComparatorDeclaration = PopupOf(ComparatorParam, kComparatorChoices);
inline constexpr SliderDeclaration ThresholdDeclaration{ThresholdParam, kThresholdRange.name, kThresholdRange.minimum,
                                                        kThresholdRange.maximum, kThresholdRange.defaultValue};

// The popup values above name the render's settings in the same order.
static_assert(SettingOfChoice<Mode>(ModeSimpleSort) == Mode::SimpleSort &&
                  SettingOfChoice<Mode>(ModeAllPixels) == Mode::AllPixels &&
                  SettingOfChoice<Mode>(ModeDeclaration.choiceCount) == Mode::Other,
              "Mode choices");
static_assert(SettingOfChoice<Orientation>(OrientationColumn) == Orientation::Column &&
                  SettingOfChoice<Orientation>(OrientationBoth) == Orientation::Both &&
                  SettingOfChoice<Orientation>(OrientationDeclaration.choiceCount) == Orientation::Other,
              "Orientation choices");
static_assert(SettingOfChoice<Comparator>(ComparatorAverage) == Comparator::Average &&
                  SettingOfChoice<Comparator>(ComparatorXor) == Comparator::Xor &&
                  SettingOfChoice<Comparator>(ComparatorDeclaration.choiceCount) == Comparator::Other,
              "Comparator choices");
static_assert(ModeDeclaration.defaultChoice == ModeHighlights &&
                  OrientationDeclaration.defaultChoice == OrientationColumn &&
                  ComparatorDeclaration.defaultChoice == ComparatorAverage,
              "defaults");
