// The option mapping from the settings to SortOptions.
#include "engine_options.h"

namespace {

constexpr int32_t kUnnamedChoice = -1;

// Linear remap of value from a..b onto c..d, truncated toward zero.
int32_t Remap(int32_t value, double a, double b, double c, double d)
{
    return static_cast<int32_t>(c + (value - a) * (d - c) / (b - a));
}

SortDirection DirectionOf(Orientation orientation)
{
    switch (orientation) {
    case Orientation::Column: return SortDirection::Column;
    case Orientation::Row: return SortDirection::Row;
    case Orientation::Both: return SortDirection::Both;
    default: return static_cast<SortDirection>(kUnnamedChoice);
    }
}

SortMode ModeOf(Mode mode)
{
    switch (mode) {
    case Mode::Highlights: return SortMode::Highlights;
    case Mode::Shadows: return SortMode::Shadows;
    case Mode::AllPixels: return SortMode::AllPixels;
    default: return static_cast<SortMode>(kUnnamedChoice);
    }
}

SortComparator ComparatorOf(Comparator comparator)
{
    switch (comparator) {
    case Comparator::Average: return SortComparator::Average;
    case Comparator::Multiply: return SortComparator::Multiply;
    case Comparator::Min: return SortComparator::Min;
    case Comparator::Max: return SortComparator::Max;
    case Comparator::Xor: return SortComparator::Xor;
    default: return static_cast<SortComparator>(kUnnamedChoice);
    }
}

int32_t EngineThreshold(Mode mode, int32_t threshold)
{
    if (threshold < 0) return 0;
    // Highlights sorts keys above its threshold, so the slider is turned around to
    // widen the sorted band as it rises, as it does in Shadows.
    if (mode == Mode::Highlights) return Remap(threshold, 0, 255, 255, 0);
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
