// Host-layout frames from and to images, and writing PNG files into place.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <utility>

#include <stb_image.h>

#include "image_io.h"
#include "pixel_world.h"
#include "scratch_folder.h"

namespace {

Image Numbered(int width, int height)
{
    Image image{width, height, {}};
    for (int i = 0; i < width * height * 4; ++i) image.rgba.push_back(static_cast<unsigned char>(i * 7 + 1));
    return image;
}

TEST(PixelWorldTest, HoldsImagePixelsInHostOrderRowsApartByRowbytes)
{
    const Image image = Numbered(3, 2);
    PixelWorld world = PixelWorld::FromImage(image, 8);
    const PF_LayerDef& layer = world.Layer();
    ASSERT_EQ(layer.rowbytes, 3 * 4 + 8);
    const unsigned char* row1 = reinterpret_cast<const unsigned char*>(layer.data) + layer.rowbytes;
    const unsigned char* rgba = &image.rgba[(3 + 2) * 4];  // pixel (2, 1)
    EXPECT_EQ(row1[2 * 4 + 0], rgba[3]);  // alpha first
    EXPECT_EQ(row1[2 * 4 + 1], rgba[0]);
    EXPECT_EQ(row1[2 * 4 + 3], rgba[2]);

    const PixelWorld moved = std::move(world);
    EXPECT_EQ(moved.ToImage().rgba, image.rgba);
}

using WritePngTest = ScratchFolderTest;

TEST_F(WritePngTest, ReplacesTheFileAndLeavesNothingElse)
{
    const std::string path = PathOf("out.png");
    WritePng(path, Numbered(4, 1));
    const Image image = Numbered(5, 3);
    WritePng(path, image);
    int width = 0, height = 0, channels = 0;
    stbi_uc* read = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(std::vector<unsigned char>(read, read + 5 * 3 * 4), image.rgba);
    stbi_image_free(read);
    EXPECT_EQ(FileNames(), std::set<std::string>{"out.png"});
}

TEST_F(WritePngTest, AFailedWriteLeavesNoFile)
{
    std::filesystem::create_directory(PathOf("taken.png"));  // a folder where the file should go
    EXPECT_THROW(WritePng(PathOf("taken.png"), Numbered(2, 2)), std::runtime_error);
    EXPECT_THROW(WritePng(PathOf("missing/out.png"), Numbered(2, 2)), std::runtime_error);
    EXPECT_EQ(FileNames(), std::set<std::string>{"taken.png"});
    EXPECT_TRUE(std::filesystem::is_empty(PathOf("taken.png")));
}

}  // namespace
