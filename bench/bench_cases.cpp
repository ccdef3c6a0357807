// The cases every benchmark program shares: the generated input frames, and the
// Modes, Orientations and Comparators of whole renders with their names.
#include "bench_cases.h"

#include <map>
#include <utility>

#include "natural_frame.h"
#include "parameters.h"
#include "pixel_order.h"

const std::vector<unsigned char>& InputFrame(FrameSize size)
{
    static std::map<std::pair<uint32_t, uint32_t>, std::vector<unsigned char>> frames;
    auto& frame = frames[{size.width, size.height}];
    if (frame.empty()) {
        frame = NaturalFrame(size.width, size.height);
    }
    return frame;
}

std::vector<RenderCase> RenderCases()
{
    std::vector<RenderCase> cases = {{ModeSimpleSort, OrientationColumn, ComparatorAverage},
                                     {ModeRandom, OrientationColumn, ComparatorAverage}};
    for (const PF_ParamValue mode : {ModeHighlights, ModeShadows, ModeAllPixels}) {
        for (const PF_ParamValue orientation : {OrientationColumn, OrientationRow, OrientationBoth}) {
            cases.push_back({mode, orientation, ComparatorAverage});
        }
    }
    for (const PF_ParamValue orientation : {OrientationColumn, OrientationRow, OrientationBoth}) {
        cases.push_back({ModeAllPixels, orientation, ComparatorMultiply});
    }
    return cases;
}

std::string RenderCaseName(FrameSize size, const char* face, RenderCase settings)
{
    const char* const modes[] = {"", "SimpleSort", "Random", "Highlights", "Shadows", "AllPixels"};
    const char* const orientations[] = {"", "Column", "Row", "Both"};
    const char* const comparators[] = {"", "Average", "Multiply", "Min", "Max", "Xor"};
    std::string name = SizeName(size) + "/" + face + "/" + modes[settings.mode];
    if (settings.mode >= ModeHighlights) {
        name += std::string("/") + orientations[settings.orientation] + "/" + comparators[settings.comparator];
    }
    return name;
}

std::vector<PF_Pixel> HostFrame(FrameSize size)
{
    const std::vector<unsigned char>& rgba = InputFrame(size);
    std::vector<PF_Pixel> pixels(rgba.size() / 4);
    ReorderPixels(reinterpret_cast<const Pixel*>(rgba.data()), PixelOrder::Rgba,
                  reinterpret_cast<Pixel*>(pixels.data()), PixelOrder::Argb, pixels.size());
    return pixels;
}

PF_LayerDef HostWorld(std::vector<PF_Pixel>& pixels, FrameSize size)
{
    PF_LayerDef world{};
    world.data = pixels.data();
    world.rowbytes = static_cast<A_long>(size.width * sizeof(PF_Pixel));
    world.width = static_cast<A_long>(size.width);
    world.height = static_cast<A_long>(size.height);
    return world;
}
