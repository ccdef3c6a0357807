// Byte-order conversions between the host's ARGB and the engine's RGBA: every byte
// lands where the other side expects it, over lengths that leave vector tails and
// unaligned buffers, and a copy between equal orders changes nothing.
#include <gtest/gtest.h>

#include <vector>

#include "guarded_world.h"
#include "host_pixels.h"

namespace {

TEST(ReorderPixels, PutsRedGreenBlueAlphaAndBackRestoresTheHostPixels)
{
    for (size_t count : {0, 1, 3, 4, 5, 17, 64, 67}) {
        const std::vector<PF_Pixel> host = RandomPixels(count, unsigned(count));
        // One byte of offset puts both buffers off any word boundary.
        std::vector<unsigned char> packed(4 * count + 1, 0);
        std::vector<unsigned char> unpacked(4 * count + 1, 0);
        std::vector<unsigned char> copied(4 * count + 1, 0);
        Pixel* packedPixels = reinterpret_cast<Pixel*>(packed.data() + 1);
        ReorderPixels(AsPixels(host.data()), PixelOrder::Argb, packedPixels, PixelOrder::Rgba, count);
        for (size_t i = 0; i < count; ++i) {
            const unsigned char* rgba = packed.data() + 1 + 4 * i;
            ASSERT_EQ(std::vector<unsigned char>(rgba, rgba + 4),
                      (std::vector<unsigned char>{host[i].red, host[i].green, host[i].blue, host[i].alpha}))
                << count << " pixels, pixel " << i;
        }
        ReorderPixels(packedPixels, PixelOrder::Rgba, reinterpret_cast<Pixel*>(unpacked.data() + 1), PixelOrder::Argb,
                      count);
        const std::vector<unsigned char> hostBytes(reinterpret_cast<const unsigned char*>(host.data()),
                                                   reinterpret_cast<const unsigned char*>(host.data() + count));
        EXPECT_EQ(std::vector<unsigned char>(unpacked.begin() + 1, unpacked.end()), hostBytes) << count;
        ReorderPixels(AsPixels(host.data()), PixelOrder::Argb, reinterpret_cast<Pixel*>(copied.data() + 1),
                      PixelOrder::Argb, count);
        EXPECT_EQ(std::vector<unsigned char>(copied.begin() + 1, copied.end()), hostBytes) << count;
        EXPECT_EQ(unpacked[0], 0);
        EXPECT_EQ(packed[0], 0);
    }
}

}  // namespace
