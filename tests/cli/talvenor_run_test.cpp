// talvenor run as a user runs it, as a child process against the real effect
// module: renders in every Mode and of 16-bit and grey files, output formats by
// ending, the about and params listings, help when run bare, bad input and output
// paths, Ctrl-C.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include <stb_image.h>
#include <stb_image_write.h>

#include "child_process.h"
#include "png_bytes.h"
#include "scratch_folder.h"

namespace {

// Each pixel's four bytes as one number, row-major.
using Pixels = std::vector<uint32_t>;

void WriteRandomPng(const std::string& path, int width, int height)
{
    std::mt19937 random(20240611);
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4);
    for (unsigned char& byte : rgba) byte = static_cast<unsigned char>(random());
    ASSERT_TRUE(stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4));
}

Pixels ReadPixels(const std::string& path, int expectedWidth, int expectedHeight)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba = stbi_load(path.c_str(), &width, &height, &channels, 4);
    EXPECT_NE(rgba, nullptr) << path;
    if (!rgba) return {};
    EXPECT_EQ(width, expectedWidth);
    EXPECT_EQ(height, expectedHeight);
    Pixels pixels(static_cast<size_t>(width) * height);
    std::memcpy(pixels.data(), rgba, pixels.size() * 4);
    stbi_image_free(rgba);
    return pixels;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

uint32_t PixelOf(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha)
{
    const unsigned char rgba[4] = {red, green, blue, alpha};
    uint32_t pixel;
    std::memcpy(&pixel, rgba, 4);
    return pixel;
}

Pixels Sorted(Pixels pixels)
{
    std::sort(pixels.begin(), pixels.end());
    return pixels;
}

// Waits until the child handles SIGINT itself; false if it ended first.
bool WaitUntilSigintIsCaught(pid_t pid)
{
    for (;;) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        if (!status) return false;
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("State:", 0) == 0 && line.find('Z') != std::string::npos) return false;
            if (line.rfind("SigCgt:", 0) == 0 && (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1) {
                return true;
            }
        }
        std::this_thread::yield();
    }
}

class TalvenorRunTest : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        std::filesystem::create_directory(PathOf("logs"));
    }

    TalvenorRun Run(const std::vector<std::string>& arguments) { return RunTalvenor(arguments, PathOf("logs")); }

    // Renders and expects success, quietly, since stderr is no terminal here.
    void Render(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "render");
        const TalvenorRun run = Run(arguments);
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.err, "");
    }
};

TEST_F(TalvenorRunTest, EveryModeRendersAPermutationOfTheInputPixels)
{
    const int width = 61, height = 37;
    WriteRandomPng(PathOf("in.png"), width, height);
    const Pixels input = ReadPixels(PathOf("in.png"), width, height);
    const std::vector<std::string> others{"--orientation", "BOTH", "--comparator", "xor", "--threshold", "200"};
    for (const std::string mode : {"simple sort", "Random", "HIGHLIGHTS", "shadows", "All pixels", "6"}) {
        for (const bool withOthers : {false, true}) {
            SCOPED_TRACE(mode + (withOthers ? " with other settings" : ""));
            std::vector<std::string> arguments{PathOf("in.png"), PathOf("out.png"), "--mode", mode};
            if (withOthers) arguments.insert(arguments.end(), others.begin(), others.end());
            Render(arguments);
            const Pixels output = ReadPixels(PathOf("out.png"), width, height);
            EXPECT_EQ(Sorted(output), Sorted(input));
            if (mode == "simple sort" || mode == "Random" || mode == "All pixels") {
                EXPECT_NE(output, input);
            }
        }
    }
}

TEST_F(TalvenorRunTest, DemoPictureNeedsNoInputFile)
{
    Render({"--demo", PathOf("sorted.png"), "--mode", "1"});
    Render({"--demo", PathOf("shuffled.png"), "--mode", "2"});
    const Pixels sorted = ReadPixels(PathOf("sorted.png"), 1280, 720);
    const Pixels shuffled = ReadPixels(PathOf("shuffled.png"), 1280, 720);
    Pixels colours = Sorted(sorted);
    EXPECT_EQ(colours, Sorted(shuffled));
    EXPECT_NE(sorted, shuffled);
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 1000);
}

TEST_F(TalvenorRunTest, EachKnownEndingWritesTheFormatItNames)
{
    const int width = 23, height = 17;
    WriteRandomPng(PathOf("in.png"), width, height);
    const struct {
        std::string name, signature;
        bool lossless;
    } outputs[] = {
        {"out.png", "\x89PNG\r\n\x1a\n", true},
        {"out.jpg", "\xFF\xD8", false},
        {"out.JPEG", "\xFF\xD8", false},
        {"out.bmp", "BM", true},
        // TGA has no signature: no ID, no colour map, run-length true colour.
        {"out.Tga", std::string("\0\0\x0A", 3), true},
    };
    for (const auto& output : outputs) {
        SCOPED_TRACE(output.name);
        Render({PathOf("in.png"), PathOf(output.name), "--mode", "all pixels"});
        EXPECT_EQ(FileBytes(PathOf(output.name)).substr(0, output.signature.size()), output.signature);
        const Pixels pixels = ReadPixels(PathOf(output.name), width, height);
        if (output.lossless) {
            EXPECT_EQ(pixels, ReadPixels(PathOf("out.png"), width, height));
        }
    }
    EXPECT_EQ(FileNames().size(), std::size(outputs) + 2);  // no temporary beside them, in.png and logs
}

TEST_F(TalvenorRunTest, AnyOtherEndingIsRefusedBeforeTheInputIsRead)
{
    const std::set<std::string> files = FileNames();
    for (const std::string name : {"out.gif", "out.webp", "out", "out.png.txt", "out."}) {
        for (const bool demo : {false, true}) {
            SCOPED_TRACE(name + (demo ? " with --demo" : ""));
            const std::string out = PathOf(name);
            const TalvenorRun run = Run(demo ? std::vector<std::string>{"render", "--demo", out}
                                             : std::vector<std::string>{"render", PathOf("missing.png"), out});
            EXPECT_NE(run.exitStatus, 0);
            EXPECT_EQ(run.err.rfind("talvenor: cannot write '" + out + "': ", 0), 0u) << run.err;
            EXPECT_NE(run.err.find(".png, .jpg, .jpeg, .bmp or .tga\n"), std::string::npos) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_EQ(FileNames(), files);
        }
    }
}

TEST_F(TalvenorRunTest, RunBareShowsTheHelp)
{
    const TalvenorRun bare = Run({});
    EXPECT_EQ(bare.exitStatus, 0);
    EXPECT_EQ(bare.err, "");
    EXPECT_NE(bare.out.find("render"), std::string::npos) << bare.out;
    EXPECT_EQ(bare.out, Run({"--help"}).out);
}

TEST_F(TalvenorRunTest, AboutAndParamsShowWhatTheEffectDeclared)
{
    const TalvenorRun about = Run({"--module", TALVENOR_MODULE, "about"});
    EXPECT_EQ(about.exitStatus, 0);
    EXPECT_EQ(about.out, "Talvenor, v1.0.2\nTalvenor plugin for After Effects\n");

    const TalvenorRun params = Run({"params", "--module", TALVENOR_MODULE});
    EXPECT_EQ(params.exitStatus, 0);
    EXPECT_EQ(params.out,
              "Mode  --mode NAME|N  popup, default 3 (Highlights)\n"
              "  1  Simple Sort\n  2  Random\n  3  Highlights\n  4  Shadows\n  5  All pixels\n  6  (no name)\n"
              "Orientation  --orientation NAME|N  popup, default 1 (Column)\n"
              "  1  Column\n  2  Row\n  3  Both\n  4  (no name)\n"
              "Comparator  --comparator NAME|N  popup, default 1 (Average)\n"
              "  1  Average\n  2  Multiply\n  3  Min\n  4  Max\n  5  XOR\n  6  (no name)\n"
              "Threshold  --threshold N  slider, default 45, range 0 to 255 (slider 0 to 255)\n");
}

TEST_F(TalvenorRunTest, SixteenBitAndGreyFilesRenderAsTheirEightBitPixels)
{
    std::mt19937 random(7);
    const int width = 9, height = 7;
    std::string samples;
    Pixels wide, grey;
    for (int y = 0; y < height; ++y) {
        samples += '\0';  // filter byte
        for (int x = 0; x < width; ++x) {
            unsigned char high[4];
            for (unsigned char& byte : high) {
                byte = static_cast<unsigned char>(random());
                samples += {static_cast<char>(byte), static_cast<char>(random())};
            }
            wide.push_back(PixelOf(high[0], high[1], high[2], high[3]));
        }
    }
    WriteFile(PathOf("wide.png"), PngBytes(width, height, 16, 6, samples));
    std::vector<unsigned char> levels(width * height);
    for (unsigned char& level : levels) {
        level = static_cast<unsigned char>(random());
        grey.push_back(PixelOf(level, level, level, 255));
    }
    ASSERT_TRUE(stbi_write_png(PathOf("grey.png").c_str(), width, height, 1, levels.data(), width));

    for (const auto& [name, expected] : {std::pair{"wide.png", wide}, std::pair{"grey.png", grey}}) {
        SCOPED_TRACE(name);
        Render({PathOf(name), PathOf("out.png"), "--mode", "all pixels", "--orientation", "both"});
        EXPECT_EQ(Sorted(ReadPixels(PathOf("out.png"), width, height)), Sorted(expected));
    }
}

TEST_F(TalvenorRunTest, BadInputFailsWithOneClearLineAndWritesNothing)
{
    WriteRandomPng(PathOf("in.png"), 8, 8);
    const std::string in = PathOf("in.png"), out = PathOf("out.png");
    const std::string inBytes = FileBytes(in);
    WriteFile(PathOf("notes.png"), "not a picture");
    WriteFile(PathOf("empty.png"), "");
    WriteFile(PathOf("cut.png"), inBytes.substr(0, inBytes.size() / 2));
    WriteFile(PathOf("huge.png"), PngBytes(100000, 100000, 8, 6, std::string(64, '\0')));
    std::filesystem::create_directory(PathOf("folder.png"));
    const std::set<std::string> files = FileNames();
    const struct {
        std::vector<std::string> arguments;
        std::string saying;
    } cases[] = {
        {{"render", PathOf("missing.png"), out}, "cannot open '" + PathOf("missing.png") + "'"},
        {{"render", PathOf("folder.png"), out}, "'" + PathOf("folder.png") + "' is a folder, not an image"},
        {{"render", PathOf("empty.png"), out}, "'" + PathOf("empty.png") + "' is empty"},
        {{"render", PathOf("notes.png"), out}, "is not a PNG, JPEG, BMP or TGA image"},
        {{"render", PathOf("cut.png"), out}, "cannot decode '" + PathOf("cut.png") + "'"},
        {{"render", PathOf("huge.png"), out},
         "is 100000 x 100000 pixels, larger than the largest frame, 30000 x 30000"},
        {{"render", in, out, "--mode", "sideways"},
         "--mode 'sideways' is not a valid choice; choose 1 Simple Sort, 2 Random, 3 Highlights, 4 Shadows, "
         "5 All pixels, 6"},
        {{"render", in, out, "--threshold", "300"}, "--threshold '300' is out of range; choose 0 to 255"},
        {{"render", in, out, "--orientation", "5"}, "--orientation '5' is out of range"},
        {{"render", in, PathOf("missing/out.png")}, "cannot write '" + PathOf("missing/out.png") + "'"},
        {{"render", in, PathOf("folder.png")}, "cannot write '" + PathOf("folder.png") + "'"},
        {{"render", in, PathOf("notes.png/out.png")}, "cannot write '" + PathOf("notes.png/out.png") + "'"},
        {{"render", in}, "render needs IN and OUT"},
        {{"render", in, out, "--colour", "red"}, "--colour"},
        {{"--module", PathOf("nothing.so"), "about"}, "cannot load effect module"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.saying);
        const TalvenorRun run = Run(bad.arguments);
        EXPECT_NE(run.exitStatus, 0);
        EXPECT_EQ(run.err.rfind("talvenor: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(bad.saying), std::string::npos) << run.err;
        EXPECT_EQ(FileNames(), files);
        EXPECT_TRUE(std::filesystem::is_empty(PathOf("folder.png")));
        EXPECT_EQ(FileBytes(in), inBytes);
    }
}

TEST_F(TalvenorRunTest, RefusesToWriteOverTheInputUnderAnyName)
{
    WriteRandomPng(PathOf("in.png"), 8, 8);
    const std::string in = PathOf("in.png");
    const std::string inBytes = FileBytes(in);
    std::filesystem::create_directory(PathOf("sub"));
    std::filesystem::create_hard_link(in, PathOf("hard.png"));
    std::filesystem::create_symlink(in, PathOf("soft.png"));
    const std::set<std::string> files = FileNames();
    const std::pair<std::string, std::string> cases[] = {
        {in, in},
        {in, Folder() + "/./in.png"},
        {in, PathOf("sub/../in.png")},
        {in, PathOf("hard.png")},
        {in, PathOf("soft.png")},
        {PathOf("soft.png"), in},
    };
    for (const auto& [input, output] : cases) {
        SCOPED_TRACE(input + " -> " + output);
        const TalvenorRun run = Run({"render", input, output, "--mode", "all pixels"});
        EXPECT_NE(run.exitStatus, 0);
        EXPECT_EQ(run.err, "talvenor: '" + output + "' is the input file; choose another output\n");
        EXPECT_EQ(FileNames(), files);
        EXPECT_EQ(FileBytes(in), inBytes);
        EXPECT_EQ(FileBytes(PathOf("hard.png")), inBytes);
    }
}

TEST_F(TalvenorRunTest, CtrlCStopsTheRenderAndLeavesNoOutput)
{
    const RunningTalvenor running =
        StartTalvenor({"render", "--demo", PathOf("out.png"), "--mode", "simple sort"}, PathOf("logs"));
    ASSERT_TRUE(WaitUntilSigintIsCaught(running.pid));
    kill(running.pid, SIGINT);
    const TalvenorRun run = FinishTalvenor(running);
    EXPECT_NE(run.exitStatus, 0);
    EXPECT_EQ(run.err, "talvenor: render cancelled\n");
    EXPECT_EQ(FileNames(), std::set<std::string>{"logs"});
}

}  // namespace
