// Host-layout frames from and to images, reading image files of every kind a
// user may give, and writing PNG files into place.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

#include <stb_image.h>

#include "host/pixel_world.h"
#include "images/image_io.h"
#include "png_bytes.h"
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
    EXPECT_EQ(row1[2 * 4 + 0], rgba[3]);                   // alpha first
    EXPECT_EQ(row1[2 * 4 + 1], rgba[0]);
    EXPECT_EQ(row1[2 * 4 + 3], rgba[2]);

    const PixelWorld moved = std::move(world);
    EXPECT_EQ(moved.ToImage().rgba, image.rgba);
}

class ReadImageTest : public ScratchFolderTest {
protected:
    std::string Written(const std::string& name, const std::string& bytes)
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    // The reason ReadImage gives for refusing the file, or "" if it loads.
    std::string Refusal(const std::string& path)
    {
        try {
            ReadImage(path);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(ReadImageTest, SixteenBitChannelsKeepTheirHighByte)
{
    // Two RGB pixels, then one grey-and-alpha pixel, 16 bits a sample.
    const std::string rgb =
        PngBytes(2, 1, 16, 2, std::string("\0\x12\x34\xAB\xCD\xFF\x00\x00\x01\x80\x00\x7F\xFF", 13));
    EXPECT_EQ(ReadImage(Written("rgb16.png", rgb)).rgba,
              (std::vector<unsigned char>{0x12, 0xAB, 0xFF, 255, 0x00, 0x80, 0x7F, 255}));
    const std::string greyAlpha = PngBytes(1, 1, 16, 4, std::string("\0\x9A\x01\x40\xFF", 5));
    EXPECT_EQ(ReadImage(Written("ga16.png", greyAlpha)).rgba, (std::vector<unsigned char>{0x9A, 0x9A, 0x9A, 0x40}));
}

TEST_F(ReadImageTest, GreyIsExpandedToOpaqueRgba)
{
    const std::string rows("\0\x00\x80\xFF\0\x01\x02\x03", 8);
    const Image image = ReadImage(Written("grey.png", PngBytes(3, 2, 8, 0, rows)));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.rgba, (std::vector<unsigned char>{0, 0, 0, 255, 128, 128, 128, 255, 255, 255, 255, 255,
                                                      1, 1, 1, 255, 2,   2,   2,   255, 3,   3,   3,   255}));
}

TEST_F(ReadImageTest, RefusesWhatIsNoImageWithTheReason)
{
    const std::string whole = PngBytes(4, 4, 8, 6, std::string(4 * 17, '\0'));
    std::filesystem::create_directory(PathOf("folder.png"));
    ASSERT_EQ(mkfifo(PathOf("pipe.png").c_str(), 0600), 0);
    EXPECT_NE(Refusal(PathOf("missing.png")).find("cannot open"), std::string::npos);
    EXPECT_NE(Refusal(PathOf("folder.png")).find("is a folder"), std::string::npos);
    EXPECT_NE(Refusal(PathOf("pipe.png")).find("is not a regular file"), std::string::npos);
    EXPECT_NE(Refusal(Written("empty.png", "")).find("is empty"), std::string::npos);
    EXPECT_NE(Refusal(Written("text.png", "hello")).find("is not a PNG, JPEG, BMP or TGA image"), std::string::npos);
    // Read from a file stream, stb_image could not rewind past 128 bytes of
    // marker fill and took what followed for a TGA.
    const std::string tgaHeader("\xFD\0\2\0\4\0\0\0\0\0\0\0\2\0\2\0\x18\x36\x2F", 19);
    const std::string fillThenTga = std::string(128, '\xFF') + tgaHeader;
    EXPECT_NE(Refusal(Written("fill.tga", fillThenTga)).find("is not a PNG, JPEG, BMP or TGA image"),
              std::string::npos);
    EXPECT_NE(Refusal(Written("cut.png", whole.substr(0, whole.size() - 30))).find("cannot decode"), std::string::npos);
    EXPECT_EQ(Refusal(Written("whole.png", whole)), "");
}

// stb_image would take memory for all the data a chunk claims before reading it.
TEST_F(ReadImageTest, RefusesAPngChunkLongerThanTheFile)
{
    std::string png = PngBytes(2, 2, 8, 6, std::string(18, '\0'));
    const size_t idatLength = 8 + 25;  // after the signature and the IHDR chunk
    png.replace(idatLength, 4, "\x7F\xFF\xFF\xF0");
    EXPECT_NE(Refusal(Written("claims.png", png)).find("a PNG chunk runs past the end of the file"), std::string::npos);
}

// A BMP may say its height is 0; a PNG of it could not even be written.
TEST_F(ReadImageTest, RefusesAnImageWithoutPixels)
{
    std::string bmp = std::string("BM", 2) + std::string(52, '\0');
    const auto put = [&bmp](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    };
    put(2, 54);             // file size
    put(10, 54);            // pixel data offset
    put(14, 40);            // info header size
    put(18, 5);             // width
    put(22, 0);             // height
    put(26, 1 | 24 << 16);  // one plane, 24 bits a pixel
    EXPECT_NE(Refusal(Written("flat.bmp", bmp)).find("has no pixels (5 x 0)"), std::string::npos);
}

// The decoder quotes an unknown chunk's type from the file; those bytes must not
// reach the terminal as they are.
TEST_F(ReadImageTest, AReasonQuotingTheFileIsOnePrintableLine)
{
    const std::string png = PngBytes(1, 1, 8, 6, std::string(5, '\0'));
    const std::string escapeChunk = std::string(4, '\0') + "\x1b[2J" + std::string(4, '\0');
    const std::string reason = Refusal(Written("odd.png", png.substr(0, 33) + escapeChunk + png.substr(33)));
    EXPECT_NE(reason.find("cannot decode"), std::string::npos) << reason;
    EXPECT_NE(reason.find("?[2J PNG chunk not known"), std::string::npos) << reason;
    EXPECT_TRUE(std::all_of(reason.begin(), reason.end(), [](char c) { return c >= ' ' && c <= '~'; })) << reason;
}

// A JPEG whose first Huffman table claims 16 x 17 codes, more than the 256 that
// the decoder's arrays hold, is turned away before the decoder reads it.
TEST_F(ReadImageTest, RefusesAJpegHuffmanTableOfMoreThan256Codes)
{
    const std::string table = std::string("\xFF\xC4\x00\x13\x00", 5) + std::string(16, '\x11');
    const std::string jpeg = std::string("\xFF\xD8", 2) + table + std::string(272, '\x01') + "\xFF\xD9";
    EXPECT_NE(Refusal(Written("tables.jpg", jpeg)).find("a Huffman table has more than 256 codes"), std::string::npos);
}

// A baseline scan decodes with its DC and AC tables; here no segment defined the
// AC table, which the decoder would read uninitialised.
TEST_F(ReadImageTest, RefusesAJpegScanUsingAnUndefinedHuffmanTable)
{
    const std::string frame("\xFF\xC0\x00\x0B\x08\x00\x01\x00\x01\x01\x01\x11\x00", 13);
    const std::string dcTable = std::string("\xFF\xC4\x00\x14\x00\x01", 6) + std::string(15, '\0') + '\0';
    const std::string scan("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    const std::string jpeg = std::string("\xFF\xD8", 2) + frame + dcTable + scan + std::string(8, '\0') + "\xFF\xD9";
    EXPECT_NE(Refusal(Written("scan.jpg", jpeg)).find("a scan uses a Huffman table that was never defined"),
              std::string::npos);
}

// The header's size is checked before any pixel memory is asked for. The thin
// frames carry all their pixels and would decode; 100000 x 100000 would need 40 GB.
TEST_F(ReadImageTest, RefusesFramesLargerThanTheHostsLargestFromTheHeader)
{
    const struct {
        uint32_t width, height;
        std::string size;
    } cases[] = {{100000, 100000, "100000 x 100000"}, {30001, 1, "30001 x 1"}, {1, 30001, "1 x 30001"}};
    for (const auto& large : cases) {
        const size_t rowBytes = 1 + 4 * size_t{large.width};
        const std::string rows(large.height < 100000 ? large.height * rowBytes : 64, '\0');
        const std::string reason = Refusal(Written("large.png", PngBytes(large.width, large.height, 8, 6, rows)));
        EXPECT_NE(reason.find("is " + large.size + " pixels, larger than the largest frame, 30000 x 30000"),
                  std::string::npos)
            << reason;
    }
}

using WritePngTest = ScratchFolderTest;

TEST_F(WritePngTest, ReplacesTheFileAndLeavesNothingElse)
{
    const std::string path = PathOf("out.png");
    WriteImage(path, Numbered(4, 1));
    const Image image = Numbered(5, 3);
    WriteImage(path, image);
    int width = 0, height = 0, channels = 0;
    stbi_uc* read = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(std::vector<unsigned char>(read, read + 5 * 3 * 4), image.rgba);
    stbi_image_free(read);
    EXPECT_EQ(FileNames(), std::set<std::string>{"out.png"});
}

// The PNG writer's buffer sizes are ints: a frame past some 950 million bytes of
// rows is refused before any byte is written or read.
TEST_F(WritePngTest, RefusesFramesBeyondWhatThePngWriterCanEncode)
{
    EXPECT_NO_THROW(RequireWritableSize(PathOf("out.png"), 15000, 15000));
    EXPECT_NO_THROW(RequireWritableSize(PathOf("out.png"), 30000, 7000));
    for (const auto& [width, height] : {std::pair{16384, 16384}, std::pair{30000, 30000}, std::pair{1, 300000000}}) {
        try {
            WriteImage(PathOf("out.png"), Image{width, height, {}});
            ADD_FAILURE() << width << " x " << height << " was written";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("is more than the PNG writer can encode"), std::string::npos);
        }
    }
    EXPECT_TRUE(FileNames().empty());
}

// Past an int's worth of pixel bytes, or a 16-bit side, these writers would
// write a broken file or read outside the image.
TEST(WriteImageTest, JpegBmpAndTgaRefuseSizesTheirWritersCannotAddress)
{
    for (const std::string path : {"out.jpg", "out.bmp", "out.tga"}) {
        SCOPED_TRACE(path);
        EXPECT_NO_THROW(RequireWritableSize(path, 23170, 23170));
        EXPECT_NO_THROW(RequireWritableSize(path, 30000, 17000));
        EXPECT_THROW(RequireWritableSize(path, 23171, 23171), std::runtime_error);
        EXPECT_THROW(RequireWritableSize(path, 1, 65536), std::runtime_error);
    }
    EXPECT_NO_THROW(RequireWritableSize("out.png", 1, 65536));
}

TEST_F(WritePngTest, AFailedWriteLeavesNoFile)
{
    std::filesystem::create_directory(PathOf("taken.png"));  // a folder where the file should go
    EXPECT_THROW(WriteImage(PathOf("taken.png"), Numbered(2, 2)), std::runtime_error);
    EXPECT_THROW(WriteImage(PathOf("missing/out.png"), Numbered(2, 2)), std::runtime_error);
    EXPECT_EQ(FileNames(), std::set<std::string>{"taken.png"});
    EXPECT_TRUE(std::filesystem::is_empty(PathOf("taken.png")));
}

}  // namespace
