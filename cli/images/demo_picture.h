// The built-in demo picture: a colourful textured gradient, 1280 x 720, opaque,
// the same every time, so a new user sees what the effect does without a file.
#pragma once

#include "image.h"

Image MakeDemoPicture();
