// In-place byte order changes between host pixels and engine pixels.
#include "rgba_order.h"

void PackRgba(PF_Pixel* pixels, size_t count)
{
    unsigned char* bytes = reinterpret_cast<unsigned char*>(pixels);
    for (size_t i = 0; i < count; ++i, bytes += 4) {
        const unsigned char alpha = bytes[0];
        bytes[0] = bytes[1];
        bytes[1] = bytes[2];
        bytes[2] = bytes[3];
        bytes[3] = alpha;
    }
}

void UnpackRgba(PF_Pixel* pixels, size_t count)
{
    unsigned char* bytes = reinterpret_cast<unsigned char*>(pixels);
    for (size_t i = 0; i < count; ++i, bytes += 4) {
        const unsigned char alpha = bytes[3];
        bytes[3] = bytes[2];
        bytes[2] = bytes[1];
        bytes[1] = bytes[0];
        bytes[0] = alpha;
    }
}
