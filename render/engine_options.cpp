// The option mapping from popup values and Threshold to SortOptions.
#include "engine_options.h"

#include "parameters.h"

namespace {

constexpr int32_t kUnnamedChoice = -1;

// Linear remap of value from a..b onto c..d, truncated toward zero.
int32_t Remap(int32_t value, double a, double b, double c, double d)
{
    return static_cast<int32_t>(c + (value - a) * (d - c) / (b - a));
}

SortDirection DirectionOf(PF_ParamValue orientation)
{
    switch (orientation) {
    case OrientationColumn: return SortDirection::Column;
    case OrientationRow: return SortDirection::Row;
    case OrientationBoth: return SortDirection::Both;
    default: return static_cast<SortDirection>(kUnnamedChoice);
    }
}

SortMode ModeOf(PF_ParamValue mode)
{
    switch (mode) {
    case ModeHighlights: return SortMode::Highlights;
    case ModeShadows: return SortMode::Shadows;
    case ModeAllPixels: return SortMode::AllPixels;
    default: return static_cast<SortMode>(kUnnamedChoice);
    }
}

SortComparator ComparatorOf(PF_ParamValue comparator)
{
    switch (comparator) {
    case ComparatorAverage: return SortComparator::Average;
    case ComparatorMultiply: return SortComparator::Multiply;
    case ComparatorMin: return SortComparator::Min;
    case ComparatorMax: return SortComparator::Max;
    case ComparatorXor: return SortComparator::Xor;
    default: return static_cast<SortComparator>(kUnnamedChoice);
    }
}

int32_t EngineThreshold(PF_ParamValue mode, PF_ParamValue threshold)
{
    if (threshold < 0) return 0;
    // Highlights sorts keys above its threshold, so the slider is turned around to
    // widen the sorted band as it rises, as it does in Shadows.
    if (mode == ModeHighlights) return Remap(threshold, 0, 255, 255, 0);
    return threshold;
}

}  // namespace

SortOptions MakeSortOptions(const RenderSettings& settings)
{
    SortOptions options;
    options.direction = DirectionOf(settings.orientation);
    options.comparator = ComparatorOf(settings.comparator);
    options.mode = ModeOf(settings.mode);
    options.threshold = EngineThreshold(settings.mode, settings.threshold);
    return options;
}
