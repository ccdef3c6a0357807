// The effect's four user parameters, in one place: where each sits in the host's
// params array at Render (its id is the same number), what each popup value means,
// and what ParamsSetup declares to the host. Popup values count from 1, the host's
// way. Each popup is declared with one choice more than its entries name, so its top
// value has no name and reaches Render like any other value.
#pragma once

#include "host_api.h"

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

inline constexpr PopupDeclaration ModeDeclaration{
    ModeParam, "Mode", "Simple Sort|Random|Highlights|Shadows|All pixels", 6, ModeHighlights};
inline constexpr PopupDeclaration OrientationDeclaration{
    OrientationParam, "Orientation", "Column|Row|Both", 4, OrientationColumn};
inline constexpr PopupDeclaration ComparatorDeclaration{
    ComparatorParam, "Comparator", "Average|Multiply|Min|Max|XOR", 6, ComparatorAverage};
inline constexpr SliderDeclaration ThresholdDeclaration{ThresholdParam, "Threshold", 0, 255, 45};
