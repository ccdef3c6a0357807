// talvenor run as a user runs it, as a child process against the real effect
// module: renders in every Mode, the about and params listings, bad input, Ctrl-C.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <random>
#include <thread>

#include <stb_image.h>
#include <stb_image_write.h>

#include "child_process.h"
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

TEST_F(TalvenorRunTest, BadInputFailsWithOneClearLineAndWritesNothing)
{
    WriteRandomPng(PathOf("in.png"), 8, 8);
    std::ofstream(PathOf("notes.png")) << "not a picture";
    const std::string in = PathOf("in.png"), out = PathOf("out.png");
    const struct {
        std::vector<std::string> arguments;
        std::string saying;
    } cases[] = {
        {{"render", PathOf("missing.png"), out}, "cannot open '" + PathOf("missing.png") + "'"},
        {{"render", PathOf("notes.png"), out}, "is not a PNG, JPEG, BMP or TGA image"},
        {{"render", in, out, "--mode", "sideways"},
         "--mode 'sideways' is not a valid choice; choose 1 Simple Sort, 2 Random, 3 Highlights, 4 Shadows, "
         "5 All pixels, 6"},
        {{"render", in, out, "--threshold", "300"}, "--threshold '300' is out of range; choose 0 to 255"},
        {{"render", in, out, "--orientation", "5"}, "--orientation '5' is out of range"},
        {{"render", in, PathOf("missing/out.png")}, "cannot write"},
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
        EXPECT_EQ(FileNames(), (std::set<std::string>{"in.png", "logs", "notes.png"}));
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
