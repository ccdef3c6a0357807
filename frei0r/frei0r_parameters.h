// The frei0r face's four parameters: Mode, Orientation and Comparator as strings
// naming a choice (by name in any letter case, or by number as the host effect
// counts them), Threshold as a double from 0 to 1, the host effect's slider value
// divided by 255. Names, choices and defaults are the render's own, which the
// host effect declares too.
//
// FrameSettings holds what a host set and what it means for the render. Setting a
// value that names nothing (an unknown name, a number out of range, an empty or
// missing string, a NaN) keeps the previous value. The strings are the
// instance's own: a pointer that GetParameter hands out stays valid until that
// parameter is set again or the instance is destroyed.
#pragma once

#include <string>

#include "render_settings.h"

enum Frei0rParameter { Frei0rMode = 0, Frei0rOrientation, Frei0rComparator, Frei0rThreshold, Frei0rParameterCount };

struct Frei0rParameterInfo {
    const char* name;
    int type;  // F0R_PARAM_STRING or F0R_PARAM_DOUBLE
    const char* explanation;
};

struct FrameSettings {
    std::string choiceTexts[Frei0rThreshold];  // Mode, Orientation, Comparator as set
    double threshold;                          // as set, 0 to 1
    RenderSettings render;                     // the values they name
};

// Null for an index outside 0 .. Frei0rParameterCount - 1.
const Frei0rParameterInfo* ParameterInfo(int index);
FrameSettings DefaultFrameSettings();
// `value` points to what frei0r passes for the parameter's type: a char* for a
// string, a double for Threshold. Both ignore an unknown index or a null value.
void SetParameter(FrameSettings& settings, int index, const void* value);
void GetParameter(const FrameSettings& settings, int index, void* value);
