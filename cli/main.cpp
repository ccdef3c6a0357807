// talvenor: the command line. Loads the effect module, offers the parameters the
// effect declares as render options, and runs about, params or render. Every
// failure is one line on stderr and a non-zero exit status.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands.h"
#include "host/module_loader.h"
#include "host/parameter_choice.h"
#include "interrupt.h"

namespace {

constexpr int FailureStatus = 1;

struct LoadedEffect {
    explicit LoadedEffect(const std::string& path) : module(path), session(module.EntryPoint())
    {
        RequireSuccess(session.Start(), "setup");
    }
    EffectModule module;
    HostSession session;
};

// The module has to be loaded before the options can be declared, since they come
// from the effect, so --module is looked for ahead of the real parse.
std::string ModulePathFrom(int argc, char** argv)
{
    const std::string prefix = "--module=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--module" && i + 1 < argc) return argv[i + 1];
        if (argument.compare(0, prefix.size(), prefix) == 0) return argument.substr(prefix.size());
    }
    return DefaultModulePath();
}

// What the user typed for render: the positionals IN and OUT (with --demo the
// one given is OUT) and each declared parameter's option, if offered.
struct RenderArguments {
    std::string first, second;
    bool demo = false;
    std::vector<std::string> texts;
    std::vector<CLI::Option*> options;
};

void AddParameterOptions(CLI::App& render, const std::vector<DeclaredParameter>& parameters, RenderArguments& arguments)
{
    arguments.texts.resize(parameters.size());
    arguments.options.assign(parameters.size(), nullptr);
    for (size_t i = 0; i < parameters.size(); ++i) {
        const DeclaredParameter& parameter = parameters[i];
        if (!IsPopup(parameter) && !IsSlider(parameter)) continue;
        const std::string help = parameter.name + ": " + DescribeChoices(parameter) + " (default " +
                                 std::to_string(DefaultValue(parameter)) + ")";
        arguments.options[i] = render.add_option("--" + OptionName(parameter), arguments.texts[i], help)
                                   ->type_name(IsPopup(parameter) ? "NAME|N" : "N");
    }
}

void AddRenderArguments(CLI::App& render, const LoadedEffect* effect, RenderArguments& arguments)
{
    render.add_option("IN", arguments.first, "the image to read: PNG, JPEG, BMP or TGA (with --demo: OUT)")
        ->type_name("FILE")
        ->required();
    render
        .add_option("OUT", arguments.second,
                    "the image to write, in the format its ending names: .png, .jpg or .jpeg (JPEG, quality 90, "
                    "no alpha), .bmp or .tga")
        ->type_name("FILE");
    render.add_flag("--demo", arguments.demo, "render the built-in 1280 x 720 demo picture; give only OUT");
    if (effect) AddParameterOptions(render, effect->session.Parameters(), arguments);
}

RenderRequest MakeRenderRequest(const std::vector<DeclaredParameter>& parameters, const RenderArguments& arguments)
{
    if (arguments.demo && !arguments.second.empty()) throw std::invalid_argument("render --demo takes only OUT");
    if (!arguments.demo && arguments.second.empty()) throw std::invalid_argument("render needs IN and OUT");
    RenderRequest request;
    request.demo = arguments.demo;
    request.inputPath = arguments.demo ? "" : arguments.first;
    request.outputPath = arguments.demo ? arguments.first : arguments.second;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const bool given = arguments.options[i] && arguments.options[i]->count() > 0;
        request.values.push_back(given ? ParseParameterValue(parameters[i], arguments.texts[i])
                                       : DefaultValue(parameters[i]));
    }
    return request;
}

// Loads the effect named by --module, or reports why not when a command needs it;
// help works either way.
std::unique_ptr<LoadedEffect> TryLoadEffect(const std::string& path, std::string& error)
{
    try {
        return std::make_unique<LoadedEffect>(path);
    } catch (const std::exception& failure) {
        error = failure.what();
        return nullptr;
    }
}

int Run(int argc, char** argv)
{
    std::string loadError;
    const std::unique_ptr<LoadedEffect> effect = TryLoadEffect(ModulePathFrom(argc, argv), loadError);

    CLI::App app("Renders images through the Talvenor effect module, as a host does.", "talvenor");
    app.require_subcommand(1);
    // Paths such as /tmp/out.png are files, not Windows-style /options.
    app.allow_windows_style_options(false);
    std::string modulePath;
    app.add_option("--module", modulePath, "the effect module to load (default: the one beside talvenor)")
        ->type_name("PATH");
    CLI::App* about = app.add_subcommand("about", "Show the effect's About text");
    CLI::App* params = app.add_subcommand("params", "List the effect's parameters, choices, defaults and ranges");
    CLI::App* render = app.add_subcommand("render", "Render an image file (or the demo picture) to an image file");
    RenderArguments renderArguments;
    AddRenderArguments(*render, effect.get(), renderArguments);
    for (CLI::App* command : {about, params, render}) command->fallthrough();
    // Run bare, talvenor shows what it can do rather than what it lacks.
    if (argc == 1) return app.exit(CLI::CallForHelp());
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(error);
        std::fprintf(stderr, "talvenor: %s\n", error.what());
        return error.get_exit_code();
    }

    if (!effect) throw std::runtime_error(loadError);
    if (*about) PrintAbout(effect->session);
    if (*params) PrintParameters(effect->session);
    if (*render) RenderImage(effect->session, MakeRenderRequest(effect->session.Parameters(), renderArguments));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CatchInterrupts();
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "talvenor: %s\n", error.what());
        return FailureStatus;
    }
}
