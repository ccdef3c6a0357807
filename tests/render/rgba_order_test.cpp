// Row conversions between host and engine byte order: every byte lands where the
// engine expects it, over lengths that leave vector tails and unaligned buffers.
#include <gtest/gtest.h>

#include <vector>

#include "guarded_world.h"
#include "rgba_order.h"

namespace {

TEST(RgbaRows, PackPutsRedGreenBlueAlphaAndUnpackRestoresTheHostPixels)
{
    for (size_t count : {0, 1, 3, 4, 5, 17, 64, 67}) {
        const std::vector<PF_Pixel> host = RandomPixels(count, unsigned(count));
        // One byte of offset puts both buffers off any word boundary.
        std::vector<unsigned char> packed(4 * count + 1, 0);
        std::vector<unsigned char> unpacked(4 * count + 1, 0);
        PackRgbaRow(host.data(), packed.data() + 1, count);
        for (size_t i = 0; i < count; ++i) {
            const unsigned char* rgba = packed.data() + 1 + 4 * i;
            ASSERT_EQ(std::vector<unsigned char>(rgba, rgba + 4),
                      (std::vector<unsigned char>{host[i].red, host[i].green, host[i].blue, host[i].alpha}))
                << count << " pixels, pixel " << i;
        }
        UnpackRgbaRow(packed.data() + 1, reinterpret_cast<PF_Pixel*>(unpacked.data() + 1), count);
        EXPECT_EQ(std::vector<unsigned char>(unpacked.begin() + 1, unpacked.end()),
                  std::vector<unsigned char>(reinterpret_cast<const unsigned char*>(host.data()),
                                             reinterpret_cast<const unsigned char*>(host.data() + count)))
            << count << " pixels";
        EXPECT_EQ(unpacked[0], 0);
        EXPECT_EQ(packed[0], 0);
    }
}

}  // namespace
