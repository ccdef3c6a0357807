// NaturalFrame: a generated picture that sorts like footage: smooth colour
// gradients with bright and dark regions, plus a little per-pixel noise, so runs
// and keys vary as in real frames. Returns width * height pixels, row-major, four
// bytes each in the engine's order (red, green, blue, alpha), alpha opaque.
// The same size always gives the same bytes.
#pragma once

#include <cstdint>
#include <vector>

std::vector<unsigned char> NaturalFrame(uint32_t width, uint32_t height);
