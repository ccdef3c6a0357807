// The frei0r parameters, built from the render's own choice lists so that names,
// choices, defaults and ranges exist once.
#include "frei0r_parameters.h"

#include <cmath>
#include <vector>

#include "choice_text.h"
#include "frei0r_api.h"

namespace {

const ChoiceList* const kPopups[Frei0rThreshold] = {&kModeChoices, &kOrientationChoices, &kComparatorChoices};

// Puts the setting that choice number `choice` names into the popup's field.
void SetChoice(RenderSettings& settings, int index, int32_t choice)
{
    switch (index) {
    case Frei0rMode: settings.mode = SettingOfChoice<Mode>(choice); break;
    case Frei0rOrientation: settings.orientation = SettingOfChoice<Orientation>(choice); break;
    default: settings.comparator = SettingOfChoice<Comparator>(choice); break;
    }
}

// What the frei0r functions hand out: built once, then only read, from any thread.
struct ParameterTable {
    std::vector<std::string> choices[Frei0rThreshold];
    std::string explanations[Frei0rParameterCount];
    Frei0rParameterInfo infos[Frei0rParameterCount];
};

ParameterTable MakeParameterTable()
{
    ParameterTable table;
    for (int index = 0; index < Frei0rThreshold; ++index) {
        table.choices[index] = SplitChoices(kPopups[index]->entries, kPopups[index]->choiceCount);
        table.explanations[index] =
            DescribeChoices(table.choices[index]) + "; give a choice by its name, in any letter case, or by its number";
        table.infos[index] = {kPopups[index]->name, F0R_PARAM_STRING, nullptr};
    }
    table.explanations[Frei0rThreshold] =
        "0 to 1: the slider of 0 to 255 divided by 255; Highlights sorts keys above 255 - slider, Shadows below it";
    table.infos[Frei0rThreshold] = {kThresholdRange.name, F0R_PARAM_DOUBLE, nullptr};
    for (int index = 0; index < Frei0rParameterCount; ++index) {
        table.infos[index].explanation = table.explanations[index].c_str();
    }
    return table;
}

const ParameterTable& Table()
{
    static const ParameterTable table = MakeParameterTable();
    return table;
}

// The slider value a Threshold of 0 to 1 stands for, or false when it stands for none.
bool SliderValueOf(double threshold, int32_t& slider)
{
    if (!std::isfinite(threshold)) return false;
    const double value = std::round(threshold * kThresholdRange.maximum);
    if (value < kThresholdRange.minimum || value > kThresholdRange.maximum) return false;
    slider = static_cast<int32_t>(value);
    return true;
}

}  // namespace

const Frei0rParameterInfo* ParameterInfo(int index)
{
    if (index < 0 || index >= Frei0rParameterCount) return nullptr;
    return &Table().infos[index];
}

FrameSettings DefaultFrameSettings()
{
    FrameSettings settings;
    for (int index = 0; index < Frei0rThreshold; ++index) {
        const int32_t choice = kPopups[index]->defaultChoice;
        settings.choiceTexts[index] = Table().choices[index][static_cast<size_t>(choice - 1)];
        SetChoice(settings.render, index, choice);
    }
    settings.threshold = static_cast<double>(kThresholdRange.defaultValue) / kThresholdRange.maximum;
    settings.render.threshold = kThresholdRange.defaultValue;
    return settings;
}

void SetParameter(FrameSettings& settings, int index, const void* value)
{
    if (!value) return;
    if (index >= 0 && index < Frei0rThreshold) {
        const char* text = *static_cast<const char* const*>(value);
        int32_t choice = 0;
        if (!text || !FindChoice(Table().choices[index], text, choice)) return;
        settings.choiceTexts[index] = text;
        SetChoice(settings.render, index, choice);
    } else if (index == Frei0rThreshold) {
        const double threshold = *static_cast<const double*>(value);
        if (SliderValueOf(threshold, settings.render.threshold)) settings.threshold = threshold;
    }
}

void GetParameter(const FrameSettings& settings, int index, void* value)
{
    if (!value) return;
    if (index >= 0 && index < Frei0rThreshold) {
        *static_cast<const char**>(value) = settings.choiceTexts[index].c_str();
    } else if (index == Frei0rThreshold) {
        *static_cast<double*>(value) = settings.threshold;
    }
}
