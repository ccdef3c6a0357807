// about, params and render.
#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "host/parameter_choice.h"
#include "host/pixel_world.h"
#include "images/demo_picture.h"
#include "images/image_io.h"
#include "interrupt.h"
#include "progress_bar.h"

namespace {

// Row gaps as hosts leave them, different for input and output so that an
// effect mixing up the two strides shows it.
constexpr A_long InputGapBytes = 32;
constexpr A_long OutputGapBytes = 64;

std::string DescribeDefault(const DeclaredParameter& parameter)
{
    const PF_ParamValue value = DefaultValue(parameter);
    std::string text = "default " + std::to_string(value);
    if (IsPopup(parameter) && value >= 1 && static_cast<size_t>(value) <= parameter.choices.size() &&
        !parameter.choices[value - 1].empty()) {
        text += " (" + parameter.choices[value - 1] + ")";
    }
    return text;
}

void PrintPopup(const DeclaredParameter& parameter)
{
    std::printf("%s  --%s NAME|N  popup, %s\n", parameter.name.c_str(), OptionName(parameter).c_str(),
                DescribeDefault(parameter).c_str());
    for (size_t i = 0; i < parameter.choices.size(); ++i) {
        const std::string& name = parameter.choices[i];
        std::printf("  %d  %s\n", static_cast<int>(i + 1), name.empty() ? "(no name)" : name.c_str());
    }
}

void PrintSlider(const DeclaredParameter& parameter)
{
    const PF_SliderDef& slider = parameter.definition.u.sd;
    std::printf("%s  --%s N  slider, %s, range %s (slider %d to %d)\n", parameter.name.c_str(),
                OptionName(parameter).c_str(), DescribeDefault(parameter).c_str(), DescribeChoices(parameter).c_str(),
                static_cast<int>(slider.slider_min), static_cast<int>(slider.slider_max));
}

// The output replaces its file whole, so writing over the input would lose it.
// Besides the names, file identity catches every other name for it: links,
// symlinks, a path through another folder.
void RequireOutputIsNotInput(const RenderRequest& request)
{
    if (request.demo) return;
    const std::filesystem::path input(request.inputPath), output(request.outputPath);
    std::error_code error;
    if (input.lexically_normal() == output.lexically_normal() || std::filesystem::equivalent(input, output, error)) {
        throw std::runtime_error("'" + request.outputPath + "' is the input file; choose another output");
    }
}

// Ctrl-C stops the render at the effect's next progress report; one that comes
// after the last report still keeps the output from being written.
PF_Err RenderShowingProgress(HostSession& session, PixelWorld& input, const std::vector<PF_ParamValue>& values,
                             PixelWorld& output)
{
    ProgressBar bar;
    bar.Show(0, input.Layer().height);  // shown while the effect works before its first report
    const PF_Err err = session.Render(input.Layer(), values, output.Layer(), [&bar](A_long done, A_long total) {
        if (InterruptRequested()) return PF_Err(PF_Interrupt_CANCEL);
        bar.Show(done, total);
        return PF_Err(PF_Err_NONE);
    });
    return InterruptRequested() ? PF_Err(PF_Interrupt_CANCEL) : err;
}

}  // namespace

void RequireSuccess(PF_Err err, const std::string& command)
{
    if (err == PF_Interrupt_CANCEL) throw std::runtime_error(command + " cancelled");
    if (err != PF_Err_NONE) {
        throw std::runtime_error("the effect's " + command + " failed with error " + std::to_string(err));
    }
}

void PrintAbout(HostSession& session)
{
    std::string text;
    RequireSuccess(session.About(text), "About");
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::printf("%s\n", text.c_str());
}

void PrintParameters(const HostSession& session)
{
    for (const DeclaredParameter& parameter : session.Parameters()) {
        if (IsPopup(parameter)) {
            PrintPopup(parameter);
        } else if (IsSlider(parameter)) {
            PrintSlider(parameter);
        } else {
            std::printf("%s  (type %d, not offered)\n", parameter.name.c_str(),
                        static_cast<int>(parameter.definition.param_type));
        }
    }
}

void RenderImage(HostSession& session, const RenderRequest& request)
{
    RequireWritableEnding(request.outputPath);
    RequireOutputIsNotInput(request);
    const Image source = request.demo ? MakeDemoPicture() : ReadImage(request.inputPath);
    RequireWritableSize(request.outputPath, source.width, source.height);
    PixelWorld input = PixelWorld::FromImage(source, InputGapBytes);
    PixelWorld output(source.width, source.height, OutputGapBytes);
    RequireSuccess(RenderShowingProgress(session, input, request.values, output), "render");
    WriteImage(request.outputPath, output.ToImage());
}
