// The cases every benchmark program shares: the generated input frames, and the
// Modes, Orientations and Comparators of whole renders with their names.
#include "bench_cases.h"

#include <map>
#include <utility>

#include "natural_frame.h"
#include "parameters.h"

const std::vector<unsigned char>& InputFrame(FrameSize size) {
    static std::map<std::pair<uint32_t, uint32_t>, std::vector<unsigned char>> frames;
    auto& frame = frames[{size.width, size.height}];
    if (frame.empty()) {
        frame = NaturalFrame(size.width, size.height);
    }
    return frame;
}

std::vector<RenderCase> RenderCases() {
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

std::string RenderCaseName(FrameSize size, const char* face, RenderCase settings) {
    const char* const modes[] = {"", "SimpleSort", "Random", "Highlights", "Shadows", "AllPixels"};
    const char* const orientations[] = {"", "Column", "Row", "Both"};
    const char* const comparators[] = {"", "Average", "Multiply", "Min", "Max", "Xor"};
    std::string name = SizeName(size) + "/" + face + "/" + modes[settings.mode];
    if (settings.mode >= ModeHighlights) {
        name += std::string("/") + orientations[settings.orientation] + "/" + comparators[settings.comparator];
    }
    return name;
}

