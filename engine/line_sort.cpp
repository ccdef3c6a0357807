// Line sorting engine (being built).
#include "line_sort.h"

void SortLines(const SortImage&, const SortOptions&) {}
