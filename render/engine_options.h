// MakeSortOptions: the line sorting engine's options for one render's settings.
//
// Orientation, Mode and Comparator map onto the engine's direction, mode and
// comparator. A setting without an engine counterpart (Other, or a whole-frame
// Mode) becomes one fixed out-of-range value, which the engine reads as the last
// entry of its table: both passes, whole lines, XOR. Threshold reaches the engine
// as 0 when negative, turned around (255 - T) in Highlights and unchanged otherwise.
#pragma once

#include "line_sort.h"
#include "render_settings.h"

SortOptions MakeSortOptions(const RenderSettings& settings);
