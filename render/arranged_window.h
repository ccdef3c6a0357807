// WriteArrangedWindow: moves the pixels of a window of an arranged frame into an
// output, given the frame's permutation (pixel_permutation.h): the pixel written for
// frame position (x, y) in the window is input pixel order[y * width + x] (width: the
// input's), copied whole, every byte as it is (so floats beyond 0 .. 1 and NaNs keep
// their bits).
//
// The window lies within the frame (0 <= x0 <= x1 <= width, likewise y), in
// top-down frame coordinates. The output holds pixels of the input's format:
// output.first is where frame position (x0, y0) goes, and row y of the window
// (top row 0) begins y * output.rowBytes bytes after it; rowBytes may be negative
// or leave gaps. Nothing else of the output is written. Input and output must not
// overlap. The window's rows are shared out among the workers (workers.h); once
// stopped says stop, the rows not yet begun are left unwritten.
#pragma once

#include <cstdint>

#include "deep_frame.h"
#include "workers.h"

struct DeepRowsOut {
    void* first;
    int64_t rowBytes;
};

void WriteArrangedWindow(const DeepFrame& input, const uint32_t* order, const FrameWindow& window,
                         const DeepRowsOut& output, const SortWorkers& workers = SerialWorkers());
