// ArrangeFrame: the one render path of every face of the effect. It reads the input
// frame's rows and writes them, rearranged as Mode says, to `arranged`: width *
// height pixels, row-major, not overlapping the input. Simple Sort and Random
// order the frame as one list and leave it in the input's byte order; every other
// Mode sorts it line by line in the engine, with options from the settings, and
// leaves it in the engine's RGBA order. The returned order is the one the arranged
// pixels are in.
//
// SortsRowsAlone is true when every row is rearranged on its own (a line Mode with
// Orientation Row), so that a face may stream the frame row by row through a
// RowSorter with MakeSortOptions(settings) instead.
//
// The copies, Simple Sort and the line sorts are shared out among the workers
// (workers.h), with the same bytes for any number of them (Random's shuffle is one
// sequence of draws and stays on the calling thread); once the workers' stopped
// says stop, the rest of the work is left out and `arranged` is left unfinished.
//
// ArrangeLinesBottomUp does the same for a line Mode (SortsLines) on a frame
// whose rows are stored bottom-up, as OpenFX hosts store them: `input` lists its
// rows in memory order (its first row is the picture's bottom one), and
// `arranged` receives the arranged rows in that order too, in the engine's RGBA
// order. The arrangement is the picture's: columns are sorted from its top.
//
// CanArrange is false for a frame too large for the engine to address; such a
// frame must not be handed to ArrangeFrame. ArrangeFrame may throw std::bad_alloc,
// and then has written nothing to `arranged`.
#pragma once

#include "pixel_rows.h"
#include "render_settings.h"
#include "workers.h"

bool SortsLines(const RenderSettings& settings);
bool SortsRowsAlone(const RenderSettings& settings);
bool CanArrange(const PixelRows& input, const RenderSettings& settings);
PixelOrder ArrangeFrame(const PixelRows& input, const RenderSettings& settings, Pixel* arranged,
                        const SortWorkers& workers = SerialWorkers());
void ArrangeLinesBottomUp(const PixelRows& input, const RenderSettings& settings, Pixel* arranged,
                          const SortWorkers& workers);
