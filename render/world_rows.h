// Row addressing in a host world: row y begins y * rowbytes bytes after data,
// whatever gap the host leaves at the end of each row. Offsets are 64-bit.
#pragma once

#include <cstdint>

#include "host_api.h"

inline const PF_Pixel* WorldRow(const PF_LayerDef& world, int64_t y)
{
    return reinterpret_cast<const PF_Pixel*>(reinterpret_cast<const unsigned char*>(world.data) +
                                             y * int64_t{world.rowbytes});
}

inline PF_Pixel* WorldRow(PF_LayerDef& world, int64_t y)
{
    return reinterpret_cast<PF_Pixel*>(reinterpret_cast<unsigned char*>(world.data) + y * int64_t{world.rowbytes});
}
