// random_renders: the first three Random renders of a fresh process, on its one
// thread, through one face of the effect, loaded by path as its hosts load it:
//   random_renders host MODULE WIDTH HEIGHT     the effect module, through EntryPointFunc
//   random_renders frei0r MODULE WIDTH HEIGHT   the frei0r plug-in, through its f0r_* calls
// Both faces get the same generated picture and print one
// line a render: the FNV-1a hash of its output in RGBA byte order. The same build
// of either face, Linux or Windows, must print the same lines; random_sequence.py
// compares them. Exits 1, saying why, when a render fails.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" {
#include <frei0r.h>
}

#include "host/host_session.h"
#include "host/module_loader.h"
#include "host/pixel_world.h"
#include "library_loading.h"
#include "varied_picture.h"

namespace {

constexpr int kRenders = 3;
constexpr int32_t kRandomChoice = 2;
constexpr const char* kRandomName = "Random";

uint64_t HashOf(const std::vector<unsigned char>& bytes)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

std::vector<std::vector<unsigned char>> RenderThroughHost(const std::string& path, const Image& picture)
{
    EffectModule module(path);
    HostSession session(module.EntryPoint());
    if (session.Start() != PF_Err_NONE) throw std::runtime_error("the effect's set-up failed");
    std::vector<PF_ParamValue> values;
    for (const DeclaredParameter& parameter : session.Parameters()) values.push_back(DefaultValue(parameter));
    values.at(0) = kRandomChoice;  // Mode
    PixelWorld input = PixelWorld::FromImage(picture, 8);
    std::vector<std::vector<unsigned char>> renders;
    for (int n = 0; n < kRenders; ++n) {
        PixelWorld output(picture.width, picture.height, 8);
        const PF_Err err = session.Render(input.Layer(), values, output.Layer(), [](A_long, A_long) { return 0; });
        if (err != PF_Err_NONE) throw std::runtime_error("render failed with error " + std::to_string(err));
        renders.push_back(output.ToImage().rgba);
    }
    return renders;
}

// The f0r_* functions of a loaded frei0r plug-in; the library stays loaded.
struct Frei0rPlugin {
    decltype(&f0r_init) init;
    decltype(&f0r_construct) construct;
    decltype(&f0r_set_param_value) setParamValue;
    decltype(&f0r_update) update;
    decltype(&f0r_destruct) destruct;
};

template <typename Function>
void FindFunction(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(FindSymbol(library, name));
    if (!function) throw std::runtime_error(std::string("the plug-in has no ") + name);
}

Frei0rPlugin LoadFrei0rPlugin(const std::string& path)
{
    void* library = OpenLibrary(path.c_str());
    if (!library) throw std::runtime_error("cannot load " + path);
    Frei0rPlugin plugin{};
    FindFunction(library, "f0r_init", plugin.init);
    FindFunction(library, "f0r_construct", plugin.construct);
    FindFunction(library, "f0r_set_param_value", plugin.setParamValue);
    FindFunction(library, "f0r_update", plugin.update);
    FindFunction(library, "f0r_destruct", plugin.destruct);
    return plugin;
}

std::vector<std::vector<unsigned char>> RenderThroughFrei0r(const std::string& path, const Image& picture)
{
    const Frei0rPlugin plugin = LoadFrei0rPlugin(path);
    if (!plugin.init()) throw std::runtime_error("f0r_init failed");
    f0r_instance_t instance = plugin.construct(picture.width, picture.height);
    if (!instance) throw std::runtime_error("f0r_construct failed");
    f0r_param_string mode = const_cast<char*>(kRandomName);
    plugin.setParamValue(instance, &mode, 0);
    const size_t pixels = picture.rgba.size() / 4;
    std::vector<uint32_t> input(pixels), output(pixels);
    std::memcpy(input.data(), picture.rgba.data(), picture.rgba.size());
    std::vector<std::vector<unsigned char>> renders;
    for (int n = 0; n < kRenders; ++n) {
        plugin.update(instance, n, input.data(), output.data());
        renders.emplace_back(picture.rgba.size());
        std::memcpy(renders.back().data(), output.data(), picture.rgba.size());
    }
    plugin.destruct(instance);
    return renders;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: random_renders host|frei0r MODULE WIDTH HEIGHT\n");
        return 2;
    }
    const std::string face = argv[1];
    Image picture{std::atoi(argv[3]), std::atoi(argv[4]), {}};
    const std::vector<uint32_t> pixels = VariedPicture(size_t(picture.width) * picture.height);
    picture.rgba.resize(pixels.size() * 4);
    std::memcpy(picture.rgba.data(), pixels.data(), picture.rgba.size());
    try {
        const auto renders =
            face == "host" ? RenderThroughHost(argv[2], picture) : RenderThroughFrei0r(argv[2], picture);
        for (const auto& render : renders) {
            std::printf("%016llx\n", static_cast<unsigned long long>(HashOf(render)));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "random_renders: %s\n", error.what());
        return 1;
    }
    return 0;
}
