// The parameter records of one render as the host passes them: the input layer in
// entry 0 and Mode, Orientation, Comparator and Threshold in entries 1 to 4.
//
// RenderParams copies the input world's record and the settings into records of
// its own and hands out the pointer list that EntryPointFunc takes; it allocates
// nothing, so it can be built before a test starts counting allocations.
#pragma once

#include <ostream>
#include <vector>

#include "host_api.h"
#include "parameters.h"

struct EffectSettings {
    A_long mode = ModeHighlights;
    A_long orientation = OrientationColumn;
    A_long comparator = ComparatorAverage;
    A_long threshold = 45;
};

inline std::ostream& operator<<(std::ostream& out, const EffectSettings& settings)
{
    return out << "mode " << settings.mode << ", orientation " << settings.orientation << ", comparator "
               << settings.comparator << ", threshold " << settings.threshold;
}

// The engine gets 127 in Highlights and 128 in Shadows.
constexpr A_long kMiddleThreshold = 128;

// Every Mode, and every orientation of the engine's Modes and of the unnamed one:
// the settings that take different paths through a render.
inline std::vector<EffectSettings> EveryModeAndOrientation(A_long comparator)
{
    std::vector<EffectSettings> all{{ModeSimpleSort}, {ModeRandom}};
    // The engine's Modes, and the unnamed one after them.
    for (A_long mode = ModeHighlights; mode <= ModeAllPixels + 1; ++mode) {
        for (A_long orientation : {OrientationColumn, OrientationRow, OrientationBoth}) {
            all.push_back({mode, orientation, comparator, kMiddleThreshold});
        }
    }
    return all;
}

class RenderParams {
public:
    RenderParams(const PF_LayerDef& input, const EffectSettings& settings) : defs_()
    {
        defs_[InputLayerParam].u.ld = input;
        defs_[ModeParam].u.pd.value = settings.mode;
        defs_[OrientationParam].u.pd.value = settings.orientation;
        defs_[ComparatorParam].u.pd.value = settings.comparator;
        defs_[ThresholdParam].u.sd.value = settings.threshold;
        for (int i = 0; i < ParamCount; ++i) list_[i] = &defs_[i];
    }
    RenderParams(const RenderParams&) = delete;
    RenderParams& operator=(const RenderParams&) = delete;

    PF_ParamDef** List() { return list_; }

private:
    PF_ParamDef defs_[ParamCount];
    PF_ParamDef* list_[ParamCount];
};
