// The parameters, built from the render's own choice lists and slider range so
// that labels, choices, defaults and ranges exist once for every face.
#include "parameters.h"

#include <string>
#include <vector>

#include "choice_text.h"
#include "host_suites.h"
#include "ofx_strings.h"
#include "properties.h"

namespace {

struct ChoiceParameter {
    const char* name;
    const ChoiceList& list;
    const char* hint;
};

const ChoiceParameter kChoiceParameters[] = {
    {kModeParam, kModeChoices, "How the pixels are rearranged: the whole frame by luma or at random, or line by line"},
    {kOrientationParam, kOrientationChoices, "What a line is in the line Modes: a column, a row, or rows then columns"},
    {kComparatorParam, kComparatorChoices, "The key, from red, green and blue, that the line Modes sort pixels by"},
};
constexpr const char* kThresholdHint = "Highlights sorts keys above 255 minus this, Shadows keys below it";

OfxStatus Define(OfxParamSetHandle parameters, const char* type, const char* name, const char* label, const char* hint,
                 OfxPropertySetHandle& set)
{
    const HostSuites& suites = *Suites();
    const OfxStatus status = suites.parameter->paramDefine(parameters, type, name, &set);
    if (status != kOfxStatOK) return status;
    const Properties properties(*suites.property, set);
    PropertyWriter writer(properties);
    writer.String(kOfxPropLabel, label);
    writer.String(kOfxParamPropHint, hint);
    writer.String(kOfxParamPropScriptName, name);
    return writer.Status();
}

OfxStatus DefineChoice(OfxParamSetHandle parameters, const ChoiceParameter& choice)
{
    OfxPropertySetHandle set = nullptr;
    const OfxStatus status = Define(parameters, kOfxParamTypeChoice, choice.name, choice.list.name, choice.hint, set);
    if (status != kOfxStatOK) return status;
    // The top choice number has no name and is not offered.
    const std::vector<std::string> names = SplitChoices(choice.list.entries, choice.list.choiceCount - 1);
    std::vector<const char*> options;
    for (const std::string& name : names) options.push_back(name.c_str());
    const Properties properties(*Suites()->property, set);
    PropertyWriter writer(properties);
    writer.Strings(kOfxParamPropChoiceOption, options);
    writer.Int(kOfxParamPropDefault, choice.list.defaultChoice - 1);
    writer.Int(kOfxParamPropAnimates, 0);
    return writer.Status();
}

OfxStatus DefineThreshold(OfxParamSetHandle parameters)
{
    OfxPropertySetHandle set = nullptr;
    const OfxStatus status =
        Define(parameters, kOfxParamTypeInteger, kThresholdParam, kThresholdRange.name, kThresholdHint, set);
    if (status != kOfxStatOK) return status;
    const Properties properties(*Suites()->property, set);
    PropertyWriter writer(properties);
    writer.Int(kOfxParamPropDefault, kThresholdRange.defaultValue);
    writer.Int(kOfxParamPropMin, kThresholdRange.minimum);
    writer.Int(kOfxParamPropMax, kThresholdRange.maximum);
    writer.Int(kOfxParamPropDisplayMin, kThresholdRange.minimum);
    writer.Int(kOfxParamPropDisplayMax, kThresholdRange.maximum);
    writer.Int(kOfxParamPropAnimates, 1);
    return writer.Status();
}

OfxStatus Find(OfxParamSetHandle parameters, const char* name, OfxParamHandle& handle)
{
    return Suites()->parameter->paramGetHandle(parameters, name, &handle, nullptr);
}

OfxStatus ValueAt(OfxParamHandle handle, OfxTime time, int& value)
{
    return Suites()->parameter->paramGetValueAtTime(handle, time, &value);
}

}  // namespace

OfxStatus DefineParameters(OfxParamSetHandle parameters)
{
    for (const ChoiceParameter& choice : kChoiceParameters) {
        const OfxStatus status = DefineChoice(parameters, choice);
        if (status != kOfxStatOK) return status;
    }
    return DefineThreshold(parameters);
}

OfxStatus FindParameters(OfxParamSetHandle parameters, ParameterHandles& handles)
{
    OfxStatus status = Find(parameters, kModeParam, handles.mode);
    if (status == kOfxStatOK) status = Find(parameters, kOrientationParam, handles.orientation);
    if (status == kOfxStatOK) status = Find(parameters, kComparatorParam, handles.comparator);
    if (status == kOfxStatOK) status = Find(parameters, kThresholdParam, handles.threshold);
    return status;
}

OfxStatus ReadSettings(const ParameterHandles& handles, OfxTime time, RenderSettings& settings)
{
    int mode = 0, orientation = 0, comparator = 0, threshold = 0;
    OfxStatus status = ValueAt(handles.mode, time, mode);
    if (status == kOfxStatOK) status = ValueAt(handles.orientation, time, orientation);
    if (status == kOfxStatOK) status = ValueAt(handles.comparator, time, comparator);
    if (status == kOfxStatOK) status = ValueAt(handles.threshold, time, threshold);
    if (status != kOfxStatOK) return status;
    settings.mode = SettingOfChoice<Mode>(mode + 1);
    settings.orientation = SettingOfChoice<Orientation>(orientation + 1);
    settings.comparator = SettingOfChoice<Comparator>(comparator + 1);
    settings.threshold = threshold;
    return kOfxStatOK;
}
