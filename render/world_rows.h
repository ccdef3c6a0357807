// Row addressing in a host world, with the world's own rowbytes.
#pragma once

#include "pixel_rows.h"

inline const PF_Pixel* WorldRow(const PF_LayerDef& world, int64_t y)
{
    return RowAt(world.data, world.rowbytes, y);
}

inline PF_Pixel* WorldRow(PF_LayerDef& world, int64_t y)
{
    return const_cast<PF_Pixel*>(RowAt(world.data, world.rowbytes, y));
}
