// Plays a frei0r host's calls against the talvenor.dll given on the command line,
// reaching it only through GetProcAddress: plugin and parameter info, parameters
// set by name, and a generated 37 x 23 frame rendered in every Mode. Each output
// must be its input rearranged; that Windows sorts as Linux does, the talvenor.exe
// renders show byte for byte.
// Prints each failed check and exits 1 if there is one.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <frei0r.h>
}

#include "expect.h"
#include "module_loading.h"
#include "varied_picture.h"

namespace {

constexpr unsigned kWidth = 37, kHeight = 23;
const char* const kNames[] = {"Mode", "Orientation", "Comparator", "Threshold"};
const int kTypes[] = {F0R_PARAM_STRING, F0R_PARAM_STRING, F0R_PARAM_STRING, F0R_PARAM_DOUBLE};

// Every f0r_* function, each a member named without the prefix.
// Laid out by hand: clang-format lays out a list macro differently on each run.
// clang-format off
#define FREI0R_FUNCTIONS(F)                                                         \
    F(init) F(deinit) F(get_plugin_info) F(get_param_info) F(construct) F(destruct) \
    F(set_param_value) F(get_param_value) F(update) F(update2)
// clang-format on

struct Plugin {
#define DECLARE_FUNCTION(name) decltype(&f0r_##name) name = nullptr;
    FREI0R_FUNCTIONS(DECLARE_FUNCTION)
};

bool FindPlugin(HMODULE module, Plugin& plugin)
{
    bool found = true;
#define FIND_FUNCTION(name) found &= FindExport(module, "f0r_" #name, plugin.name);
    FREI0R_FUNCTIONS(FIND_FUNCTION)
    if (!found) ++failureCount;
    return found;
}

void CheckInfo(const Plugin& plugin)
{
    f0r_plugin_info_t info{};
    plugin.get_plugin_info(&info);
    Expect(info.color_model == F0R_COLOR_MODEL_RGBA8888, "color_model is " + std::to_string(info.color_model));
    Expect(info.plugin_type == F0R_PLUGIN_TYPE_FILTER, "plugin_type is " + std::to_string(info.plugin_type));
    Expect(info.num_params == 4, "num_params is " + std::to_string(info.num_params) + ", expected 4");
    for (int index = 0; index < 4; ++index) {
        f0r_param_info_t param{};
        plugin.get_param_info(&param, index);
        const std::string name = param.name ? param.name : "(null)";
        Expect(name == kNames[index] && param.type == kTypes[index],
               "parameter " + std::to_string(index) + " is " + name + " of type " + std::to_string(param.type) +
                   ", expected " + kNames[index] + " of type " + std::to_string(kTypes[index]));
    }
}

// Sets a string parameter and returns what it reads afterwards.
std::string SetText(const Plugin& plugin, f0r_instance_t instance, int index, const char* text)
{
    f0r_param_string value = const_cast<char*>(text);
    plugin.set_param_value(instance, &value, index);
    f0r_param_string read = nullptr;
    plugin.get_param_value(instance, &read, index);
    return read ? read : "(null)";
}

// Random pixels, every seventh one the same so that counting each pixel's uses matters.
struct Case {
    const char* texts[3];  // Mode, Orientation, Comparator
    double threshold;
    bool throughUpdate2;
};

void CheckRender(const Plugin& plugin, f0r_instance_t instance, const Case& c, const std::vector<uint32_t>& input)
{
    const std::string name = std::string(c.texts[0]) + "/" + c.texts[1] + "/" + c.texts[2] +
                             (c.throughUpdate2 ? " through f0r_update2" : "");
    for (int index = 0; index < 3; ++index) {
        Expect(SetText(plugin, instance, index, c.texts[index]) == c.texts[index],
               name + ": " + kNames[index] + " refused \"" + c.texts[index] + "\"");
    }
    f0r_param_double threshold = c.threshold;
    plugin.set_param_value(instance, &threshold, 3);
    std::vector<uint32_t> output(input.size(), 0);
    if (c.throughUpdate2) {
        plugin.update2(instance, 0.0, input.data(), nullptr, nullptr, output.data());
    } else {
        plugin.update(instance, 0.0, input.data(), output.data());
    }
    Expect(output != input, name + ": the output is the input unchanged");
    std::vector<uint32_t> inputPixels = input, outputPixels = output;
    std::sort(inputPixels.begin(), inputPixels.end());
    std::sort(outputPixels.begin(), outputPixels.end());
    Expect(outputPixels == inputPixels, name + ": the output is not the input's pixels, each used once");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s talvenor.dll\n", argv[0]);
        return 2;
    }
    HMODULE module = LoadModule(argv[1]);
    if (!module) return 1;
    Plugin plugin{};
    if (FindPlugin(module, plugin)) {
        Expect(plugin.init() == 1, "f0r_init did not return 1");
        CheckInfo(plugin);
        f0r_instance_t instance = plugin.construct(kWidth, kHeight);
        Expect(instance != nullptr, "f0r_construct(37, 23) returned null");
        if (instance) {
            const std::vector<uint32_t> frame = VariedPicture(kWidth * kHeight);
            const Case cases[] = {
                {{"simple sort", "column", "average"}, 0.2, false}, {{"random", "row", "xor"}, 0.2, false},
                {{"highlights", "row", "multiply"}, 0.5, false},    {{"shadows", "both", "min"}, 0.6, false},
                {{"all pixels", "row", "average"}, 0.2, false},     {{"all pixels", "both", "max"}, 0.4, true}};
            for (const Case& c : cases) CheckRender(plugin, instance, c, frame);
            plugin.destruct(instance);
        }
        plugin.deinit();
    }
    if (!UnloadModule(module)) ++failureCount;
    return failureCount == 0 ? 0 : 1;
}
