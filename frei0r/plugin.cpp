// The frei0r face of the effect: the f0r_* functions that frei0r hosts (FFmpeg,
// MLT and the editors built on it) call. An instance keeps a frame size and the
// parameter values; a lock keeps setting them apart from updates that run on other
// threads, as MLT renders several frames of one instance at once. No exception
// leaves a frei0r function: there is nothing a host could do with it.
#include <mutex>

#include "frei0r_api.h"
#include "frei0r_parameters.h"
#include "identity.h"
#include "instance_lock.h"
#include "render_frame.h"

namespace {

constexpr const char* kAuthor = "Brindle";
constexpr const char* kExplanation = "Pixel sorting: rearranges the pixels of every frame, never changing one";

struct Instance {
    uint32_t width;
    uint32_t height;
    InstanceLock lock;
    FrameSettings settings;
};

Instance* InstanceOf(f0r_instance_t instance)
{
    return static_cast<Instance*>(instance);
}

// Runs action on the instance's settings under its lock. False when it could not
// (no memory for a new text, or a lock the system refused), which leaves the
// settings as they were.
template <typename Action>
bool WithSettings(f0r_instance_t instance, Action action)
{
    if (!instance) return false;
    try {
        const std::lock_guard<InstanceLock> hold(InstanceOf(instance)->lock);
        action(InstanceOf(instance)->settings);
        return true;
    } catch (...) {
        return false;
    }
}

// Frames whose byte size a 64-bit offset cannot hold are refused at construction.
bool IsAddressable(uint32_t width, uint32_t height)
{
    return uint64_t{width} * height <= uint64_t{INT64_MAX} / 4;
}

}  // namespace

int f0r_init()
{
    return 1;
}

void f0r_deinit() {}

void f0r_get_plugin_info(f0r_plugin_info_t* info)
{
    if (!info) return;
    info->name = TALVENOR_NAME;
    info->author = kAuthor;
    info->plugin_type = F0R_PLUGIN_TYPE_FILTER;
    info->color_model = F0R_COLOR_MODEL_RGBA8888;
    info->frei0r_version = FREI0R_MAJOR_VERSION;
    info->major_version = TALVENOR_MAJOR_VERSION;
    info->minor_version = TALVENOR_MINOR_VERSION;
    info->num_params = Frei0rParameterCount;
    info->explanation = kExplanation;
}

void f0r_get_param_info(f0r_param_info_t* info, int param_index)
{
    const Frei0rParameterInfo* parameter = ParameterInfo(param_index);
    if (!info || !parameter) return;
    info->name = parameter->name;
    info->type = parameter->type;
    info->explanation = parameter->explanation;
}

f0r_instance_t f0r_construct(unsigned int width, unsigned int height)
{
    if (!IsAddressable(width, height)) return nullptr;
    try {
        return new Instance{width, height, {}, DefaultFrameSettings()};
    } catch (...) {
        return nullptr;
    }
}

void f0r_destruct(f0r_instance_t instance)
{
    delete InstanceOf(instance);
}

void f0r_set_param_value(f0r_instance_t instance, f0r_param_t param, int param_index)
{
    WithSettings(instance, [&](FrameSettings& settings) { SetParameter(settings, param_index, param); });
}

void f0r_get_param_value(f0r_instance_t instance, f0r_param_t param, int param_index)
{
    WithSettings(instance, [&](FrameSettings& settings) { GetParameter(settings, param_index, param); });
}

void f0r_update(f0r_instance_t instance, double /*time*/, const uint32_t* inframe, uint32_t* outframe)
{
    if (!instance) return;
    const Instance& effect = *InstanceOf(instance);
    RenderSettings settings;
    if (WithSettings(instance, [&](FrameSettings& current) { settings = current.render; })) {
        RenderFrame(settings, effect.width, effect.height, inframe, outframe);
    } else {
        PassFrameThrough(effect.width, effect.height, inframe, outframe);
    }
}

// Hosts that call every effect through the mixer form reach the same filter.
void f0r_update2(f0r_instance_t instance, double time, const uint32_t* inframe1, const uint32_t* /*inframe2*/,
                 const uint32_t* /*inframe3*/, uint32_t* outframe)
{
    f0r_update(instance, time, inframe1, outframe);
}
