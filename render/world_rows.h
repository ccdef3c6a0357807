// Row addressing in a frame laid out in rows: row y begins y * rowBytes bytes after
// the first pixel, whatever gap is left at the end of each row. Offsets are 64-bit.
// WorldRow applies it to a host world with the world's own rowbytes.
#pragma once

#include <cstdint>

#include "host_api.h"

inline const PF_Pixel* RowAt(const PF_Pixel* first, int64_t rowBytes, int64_t y)
{
    return reinterpret_cast<const PF_Pixel*>(reinterpret_cast<const unsigned char*>(first) + y * rowBytes);
}

inline const PF_Pixel* WorldRow(const PF_LayerDef& world, int64_t y)
{
    return RowAt(world.data, world.rowbytes, y);
}

inline PF_Pixel* WorldRow(PF_LayerDef& world, int64_t y)
{
    return const_cast<PF_Pixel*>(RowAt(world.data, world.rowbytes, y));
}
