// Drives the built OpenFX bundle, loaded by its path, as a host does: load and
// describe (what a host's menus and parameter panels show), an instance, and
// renders of images with offset bounds, padded and negative row bytes and guard
// bytes around them: 8-bit RGBA on 1, 2 and 8 of the host's threads, and every
// other depth and component count. Every render must write exactly its window:
// the frei0r face's output for the same picture (its values as 16-bit v * 257 or
// float v / 255, alpha dropped for RGB) where the Source frame lies, transparent
// black elsewhere, and not one byte outside. Random must follow the frame's time
// alone, whatever the depth; a render the host aborts must
// end writing nothing; bad input must fail with a message and write nothing; the
// host's image memory must all come back.
// Prints each failed check and exits 1 if there is one.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "expect.h"
#include "render_frame.h"
#include "test_host.h"
#include "varied_picture.h"

namespace {

constexpr int kWidth = 37, kHeight = 23, kGuard = 64;
constexpr OfxRectI kFrame{-3, 5, -3 + kWidth, 5 + kHeight};
const std::vector<std::string> kParamNames = {"mode", "orientation", "comparator", "threshold"};
const std::vector<std::string> kChoices[3] = {{"Simple Sort", "Random", "Highlights", "Shadows", "All pixels"},
                                              {"Column", "Row", "Both"},
                                              {"Average", "Multiply", "Min", "Max", "XOR"}};
OfxPlugin* plugin = nullptr;

OfxStatus Call(const char* action, void* handle, OfxPropertySetStruct* in = nullptr,
               OfxPropertySetStruct* out = nullptr)
{
    return plugin->mainEntry(action, handle, in, out);
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts) joined += text + "|";
    return joined;
}

void ExpectTexts(const OfxPropertySetStruct& set, const char* name, const std::vector<std::string>& expected)
{
    Expect(set.Texts(name) == expected, std::string(name) + " is " + Joined(set.Texts(name)));
}

void CheckParams(const OfxParamSetStruct& params)
{
    std::vector<std::string> names;
    for (const auto& param : params.params) names.push_back(param->name);
    Expect(names == kParamNames, "parameters are " + Joined(names));
    if (names != kParamNames) return;
    const char* const labels[] = {"Mode", "Orientation", "Comparator", "Threshold"};
    const int defaults[] = {2, 0, 0, 45};
    for (size_t i = 0; i < 4; ++i) {
        const OfxPropertySetStruct& set = params.params[i]->properties;
        ExpectTexts(set, "OfxPropLabel", {labels[i]});
        ExpectTexts(set, "OfxParamPropScriptName", {kParamNames[i]});
        Expect(set.Texts("OfxParamPropHint").size() == 1 && !set.Texts("OfxParamPropHint")[0].empty(),
               kParamNames[i] + " has no hint");
        Expect(set.Int("OfxParamPropDefault") == defaults[i], kParamNames[i] + " default");
        if (i < 3) ExpectTexts(set, "OfxParamPropChoiceOption", kChoices[i]);
    }
    const OfxPropertySetStruct& threshold = params.params[3]->properties;
    for (const char* bound :
         {"OfxParamPropMin", "OfxParamPropDisplayMin", "OfxParamPropMax", "OfxParamPropDisplayMax"}) {
        Expect(threshold.Int(bound) == (std::strstr(bound, "Min") ? 0 : 255), std::string("Threshold ") + bound);
    }
}

// Load and describe; returns the Filter context's description.
std::unique_ptr<OfxImageEffectStruct> CheckDescription()
{
    Expect(std::strcmp(plugin->pluginApi, "OfxImageEffectPluginAPI") == 0 && plugin->apiVersion == 1, "plug-in API");
    Expect(std::strcmp(plugin->pluginIdentifier, "net.talvenor.Talvenor") == 0, "identifier");
    Expect(plugin->pluginVersionMajor == 1 && plugin->pluginVersionMinor == 0, "version 1.0");
    plugin->setHost(&Host().host);
    Expect(Call("OfxActionLoad", nullptr) == kOfxStatOK, "Load");
    Expect(Call("OfxActionNoSuchThing", nullptr) == kOfxStatReplyDefault, "an unknown action's reply");
    OfxImageEffectStruct effect;
    Expect(Call("OfxActionDescribe", &effect) == kOfxStatOK, "Describe");
    const OfxPropertySetStruct& set = effect.properties;
    ExpectTexts(set, "OfxPropLabel", {"Talvenor"});
    ExpectTexts(set, "OfxImageEffectPropSupportedContexts",
                {"OfxImageEffectContextFilter", "OfxImageEffectContextGeneral"});
    ExpectTexts(set, "OfxImageEffectPropSupportedPixelDepths",
                {"OfxBitDepthByte", "OfxBitDepthShort", "OfxBitDepthFloat"});
    ExpectTexts(set, "OfxImageEffectPluginRenderThreadSafety", {"OfxImageEffectRenderFullySafe"});
    Expect(
        set.Int("OfxImageEffectPropSupportsTiles") == 0 && set.Int("OfxImageEffectPluginPropHostFrameThreading") == 0,
        "the effect must take no tiles and no host frame threading");
    std::unique_ptr<OfxImageEffectStruct> filter;
    for (const char* context : {"OfxImageEffectContextFilter", "OfxImageEffectContextGeneral"}) {
        auto description = std::make_unique<OfxImageEffectStruct>();
        OfxPropertySetStruct in;
        in.values["OfxImageEffectPropContext"] = {{context}};
        Expect(Call("OfxImageEffectActionDescribeInContext", description.get(), &in) == kOfxStatOK, context);
        for (const char* clip : {"Source", "Output"}) {
            const OfxImageClipStruct* found = description->clips.count(clip) ? description->clips[clip].get() : nullptr;
            Expect(found != nullptr, std::string(context) + " has no clip " + clip);
            if (!found) continue;
            ExpectTexts(found->properties, "OfxImageEffectPropSupportedComponents",
                        {"OfxImageComponentRGBA", "OfxImageComponentRGB"});
            Expect(found->properties.Int("OfxImageEffectPropSupportsTiles") == 0, std::string(clip) + " takes tiles");
        }
        CheckParams(description->params);
        if (!filter) filter = std::move(description);
    }
    // A host older than the properties added since OpenFX 1.0 still gets the effect.
    Host().unknownProperties = {"OfxParamPropDisplayMin", "OfxParamPropDisplayMax", "OfxPropPluginDescription"};
    OfxImageEffectStruct older;
    OfxPropertySetStruct filterContext;
    filterContext.values["OfxImageEffectPropContext"] = {{"OfxImageEffectContextFilter"}};
    Expect(Call("OfxActionDescribe", &older) == kOfxStatOK &&
               Call("OfxImageEffectActionDescribeInContext", &older, &filterContext) == kOfxStatOK,
           "a host without the properties added since OpenFX 1.0 is refused");
    Host().unknownProperties.clear();
    OfxImageEffectStruct generator;
    OfxPropertySetStruct in;
    in.values["OfxImageEffectPropContext"] = {{"OfxImageEffectContextGenerator"}};
    Expect(Call("OfxImageEffectActionDescribeInContext", &generator, &in) != kOfxStatOK, "the Generator context");
    return filter;
}

// A pixel format as an image's properties name it.
struct Format {
    const char* depth;
    const char* components;
    int componentBytes;
    int componentCount;
    int PixelBytes() const { return componentBytes * componentCount; }
};
const Format kByteRgba{"OfxBitDepthByte", "OfxImageComponentRGBA", 1, 4};
const Format kOtherFormats[] = {{"OfxBitDepthByte", "OfxImageComponentRGB", 1, 3},
                                {"OfxBitDepthShort", "OfxImageComponentRGBA", 2, 4},
                                {"OfxBitDepthShort", "OfxImageComponentRGB", 2, 3},
                                {"OfxBitDepthFloat", "OfxImageComponentRGBA", 4, 4},
                                {"OfxBitDepthFloat", "OfxImageComponentRGB", 4, 3}};

// An image in memory, framed by guard bytes, everything at first 0xA5. A copy's
// pixels are its own memory's, though its properties name the original's.
struct TestImage {
    std::vector<unsigned char> memory;
    OfxRectI bounds;
    int rowBytes;
    Format format;
    size_t firstRow;  // the offset of row bounds.y1 in memory
    OfxPropertySetStruct properties;

    // Rows `padding` bytes longer than the pixels; negative padding: bottom-up rows.
    TestImage(const OfxRectI& rect, int padding, const Format& pixels = kByteRgba)
        : bounds(rect),
          rowBytes(((rect.x2 - rect.x1) * pixels.PixelBytes() + std::abs(padding)) * (padding < 0 ? -1 : 1)),
          format(pixels)
    {
        const size_t height = static_cast<size_t>(rect.y2 - rect.y1);
        memory.assign(static_cast<size_t>(std::abs(rowBytes)) * height + 2 * kGuard, 0xA5);
        firstRow = kGuard + (rowBytes < 0 ? (height - 1) * static_cast<size_t>(-rowBytes) : 0);
        auto& values = properties.values;
        values["OfxImagePropData"] = {{"", 0, 0, memory.data() + firstRow}};
        values["OfxImagePropRowBytes"] = {{"", rowBytes}};
        values["OfxImagePropBounds"] = {{"", rect.x1}, {"", rect.y1}, {"", rect.x2}, {"", rect.y2}};
        values["OfxImageEffectPropPixelDepth"] = {{format.depth}};
        values["OfxImageEffectPropComponents"] = {{format.components}};
    }
    unsigned char* At(int x, int y)
    {
        return memory.data() + firstRow + int64_t{y - bounds.y1} * rowBytes +
               int64_t{x - bounds.x1} * format.PixelBytes();
    }
    // Writes an 8-bit RGBA pixel (red in the low byte) in the image's format.
    void Put(int x, int y, uint32_t rgba)
    {
        unsigned char* pixel = At(x, y);
        for (int c = 0; c < format.componentCount; ++c) {
            const unsigned value = (rgba >> (8 * c)) & 0xFF;
            const uint16_t wide = static_cast<uint16_t>(value * 257);
            const float real = static_cast<float>(value) / 255.0f;
            const void* from = format.componentBytes == 1   ? static_cast<const void*>(&value)
                               : format.componentBytes == 2 ? static_cast<const void*>(&wide)
                                                            : static_cast<const void*>(&real);
            std::memcpy(pixel + c * format.componentBytes, from, static_cast<size_t>(format.componentBytes));
        }
    }
};

struct Session {
    OfxImageEffectStruct& instance;
    std::vector<uint32_t> picture = VariedPicture(kWidth * kHeight);  // top row first
    TestImage source;
    bool sourceMissing = false;

    explicit Session(OfxImageEffectStruct& effect, const Format& format = kByteRgba)
        : instance(effect), source(kFrame, 12, format)
    {
        for (int r = 0; r < kHeight; ++r) {
            for (int c = 0; c < kWidth; ++c) source.Put(kFrame.x1 + c, kFrame.y2 - 1 - r, picture[r * kWidth + c]);
        }
    }
    void Set(const int (&choices)[3], int threshold)
    {
        for (int i = 0; i < 3; ++i) instance.params.Find(kParamNames[i])->value = choices[i];
        instance.params.Find("threshold")->value = threshold;
    }
    OfxStatus Render(TestImage& output, const OfxRectI& window, double time)
    {
        instance.clips["Source"]->image = sourceMissing ? nullptr : &source.properties;
        instance.clips["Output"]->image = &output.properties;
        OfxPropertySetStruct in;
        in.values["OfxPropTime"] = {{"", 0, time}};
        in.values["OfxImageEffectPropRenderWindow"] = {
            {"", window.x1}, {"", window.y1}, {"", window.x2}, {"", window.y2}};
        const OfxStatus status = Call("OfxImageEffectActionRender", &instance, &in);
        Expect(Host().imagesFetched == Host().imagesReleased, "an image was not released");
        return status;
    }
};

// The output's memory after a render of the frei0r face's `arranged` frame into `window`.
std::vector<unsigned char> Expected(TestImage output, const OfxRectI& window, const std::vector<uint32_t>& arranged)
{
    for (int y = std::max(window.y1, output.bounds.y1); y < std::min(window.y2, output.bounds.y2); ++y) {
        for (int x = std::max(window.x1, output.bounds.x1); x < std::min(window.x2, output.bounds.x2); ++x) {
            const bool inFrame = x >= kFrame.x1 && x < kFrame.x2 && y >= kFrame.y1 && y < kFrame.y2;
            output.Put(x, y, inFrame ? arranged[(kFrame.y2 - 1 - y) * kWidth + (x - kFrame.x1)] : 0);
        }
    }
    return output.memory;
}

void CheckAgainstFrei0r(Session& session, const int (&choices)[3], const OfxRectI& outputBounds, int padding,
                        const OfxRectI& window)
{
    const int threshold = 100;
    session.Set(choices, threshold);
    const RenderSettings settings{SettingOfChoice<Mode>(choices[0] + 1), SettingOfChoice<Orientation>(choices[1] + 1),
                                  SettingOfChoice<Comparator>(choices[2] + 1), threshold};
    std::vector<uint32_t> arranged(session.picture.size());
    RenderFrame(settings, kWidth, kHeight, session.picture.data(), arranged.data());
    TestImage output(outputBounds, padding, session.source.format);
    const std::vector<unsigned char> expected = Expected(output, window, arranged);
    const std::string name = std::string(output.format.depth) + " " + output.format.components + " " +
                             kChoices[0][choices[0]] + "/" + kChoices[1][choices[1]] + "/" + kChoices[2][choices[2]] +
                             " rows of " + std::to_string(output.rowBytes) + " bytes";
    Expect(session.Render(output, window, 0.0) == kOfxStatOK, name + ": render failed");
    Expect(output.memory == expected, name + ": not the frei0r face's output in exactly the window");
}

void CheckRenders(Session& session)
{
    for (int mode : {0, 2, 3, 4}) {
        for (int orientation = 0; orientation < 3; ++orientation) {
            for (int comparator : {0, 2}) {
                CheckAgainstFrei0r(session, {mode, orientation, comparator}, kFrame, -8, kFrame);
            }
        }
    }
    // A window inside the frame, reaching past the output's bounds on the left.
    CheckAgainstFrei0r(session, {2, 1, 0}, kFrame, 0, {-10, 8, 20, 19});
    // The whole frame into packed rows: arranged in the output itself.
    CheckAgainstFrei0r(session, {0, 0, 0}, kFrame, 0, kFrame);
    CheckAgainstFrei0r(session, {3, 2, 1}, kFrame, 0, kFrame);
    CheckAgainstFrei0r(session, {2, 1, 4}, kFrame, 0, kFrame);
    // An output larger than the Source frame: transparent black around it.
    const OfxRectI larger{kFrame.x1 - 2, kFrame.y1 - 2, kFrame.x2 + 2, kFrame.y2 + 3};
    CheckAgainstFrei0r(session, {0, 0, 0}, larger, 0, larger);
}

std::vector<uint32_t> SortedPixels(TestImage& image)
{
    std::vector<uint32_t> pixels;
    for (int y = kFrame.y1; y < kFrame.y2; ++y) {
        for (int x = kFrame.x1; x < kFrame.x2; ++x) pixels.push_back(*reinterpret_cast<uint32_t*>(image.At(x, y)));
    }
    std::sort(pixels.begin(), pixels.end());
    return pixels;
}

void CheckRandom(Session& session)
{
    session.Set({1, 0, 0}, 45);
    TestImage first(kFrame, 0), again(kFrame, 0), next(kFrame, 0);
    Expect(session.Render(first, kFrame, 7.0) == kOfxStatOK && session.Render(again, kFrame, 7.0) == kOfxStatOK &&
               session.Render(next, kFrame, 8.0) == kOfxStatOK,
           "Random render failed");
    Expect(first.memory == again.memory, "Random: the same frame rendered twice differs");
    Expect(first.memory != next.memory, "Random: neighbouring frames are alike");
    std::vector<uint32_t> input = session.picture;
    std::sort(input.begin(), input.end());
    Expect(SortedPixels(first) == input && SortedPixels(next) == input, "Random: not a permutation of the input");
    // The same time orders a float frame as its 8-bit twin.
    Session floats(session.instance, kOtherFormats[4]);
    TestImage floatOutput(kFrame, 0, floats.source.format), expected(kFrame, 0, floats.source.format);
    for (int y = kFrame.y1; y < kFrame.y2; ++y) {
        for (int x = kFrame.x1; x < kFrame.x2; ++x) expected.Put(x, y, *reinterpret_cast<uint32_t*>(first.At(x, y)));
    }
    Expect(floats.Render(floatOutput, kFrame, 7.0) == kOfxStatOK && floatOutput.memory == expected.memory,
           "Random: a float frame is not ordered as its 8-bit twin");
}

void CheckAbort(Session& session)
{
    // At the first question, and after a few blocks, on two threads; into a working
    // copy (padded output rows), which leaves the output as it was, and into the
    // output itself (packed rows), which leaves what it has written there.
    for (const int padding : {4, 0}) {
        for (const int abortAfter : {0, 3}) {
            Host().threads = 2;
            Host().abortAfter = abortAfter;
            Host().abortCalls = 0;
            session.Set({4, 2, 0}, 45);
            TestImage output(kFrame, padding);
            const std::vector<unsigned char> untouched = output.memory;
            const std::string name =
                "aborted after " + std::to_string(abortAfter) + " questions, padding " + std::to_string(padding);
            Expect(session.Render(output, kFrame, 0.0) == kOfxStatOK, name + ": failed");
            Expect(Host().abortCalls > abortAfter, name + ": abort never asked");
            const auto guardsKept =
                std::equal(output.memory.begin(), output.memory.begin() + kGuard, untouched.begin()) &&
                std::equal(output.memory.end() - kGuard, output.memory.end(), untouched.end() - kGuard);
            Expect(padding == 0 ? guardsKept : output.memory == untouched, name + ": written where it must not be");
        }
    }
    Host().abortAfter = -1;
}

void CheckBadInput(Session& session)
{
    session.Set({2, 0, 0}, 45);
    // Each sets `property` of the Source and Output images (where given), or the
    // Source bounds' x2, or else takes the Source image away.
    struct BadCase {
        const char* name;
        OfxStatus status;
        const char* property;
        const char* sourceText;
        const char* outputText;
        int sourceX2;
    };
    const char* const depth = "OfxImageEffectPropPixelDepth";
    const char* const components = "OfxImageEffectPropComponents";
    const BadCase cases[] = {
        {"unknown depth", kOfxStatErrImageFormat, depth, "OfxBitDepthHalf", "OfxBitDepthHalf", 0},
        {"unknown components", kOfxStatErrImageFormat, components, "OfxImageComponentAlpha", "OfxImageComponentAlpha",
         0},
        {"RGBA source, RGB output", kOfxStatErrImageFormat, components, nullptr, "OfxImageComponentRGB", 0},
        {"missing source image", kOfxStatFailed, nullptr, nullptr, nullptr, 0},
        {"empty frame", kOfxStatErrImageFormat, nullptr, nullptr, nullptr, kFrame.x1},
        {"absurd size", kOfxStatErrImageFormat, nullptr, nullptr, nullptr, 100000},
    };
    for (const BadCase& bad : cases) {
        Session spoiled(session.instance);
        TestImage output(kFrame, 0);
        const std::vector<unsigned char> untouched = output.memory;
        if (bad.sourceText) spoiled.source.properties.values[bad.property] = {{bad.sourceText}};
        if (bad.outputText) output.properties.values[bad.property] = {{bad.outputText}};
        if (bad.sourceX2) spoiled.source.properties.values["OfxImagePropBounds"][2].integer = bad.sourceX2;
        spoiled.sourceMissing = !bad.property && !bad.sourceX2;
        const size_t messages = Host().messages.size();
        Expect(spoiled.Render(output, kFrame, 0.0) == bad.status, std::string(bad.name) + ": wrong status");
        Expect(Host().messages.size() == messages + 1, std::string(bad.name) + ": no message to the host");
        Expect(output.memory == untouched, std::string(bad.name) + ": the output was written");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s Talvenor.ofx\n", argv[0]);
        return 2;
    }
    int pluginCount = 0;
    plugin = LoadPlugin(argv[1], pluginCount);
    Expect(pluginCount == 1, "the bundle must hold exactly one plug-in");
    if (!plugin) return 1;
    const std::unique_ptr<OfxImageEffectStruct> filter = CheckDescription();
    if (failureCount != 0) return 1;
    const std::unique_ptr<OfxImageEffectStruct> instance = InstanceOf(*filter);
    Expect(Call("OfxActionCreateInstance", instance.get()) == kOfxStatOK, "CreateInstance");
    instance->clips["Source"]->regionOfDefinition = {-3.0, 5.0, 34.0, 28.0};
    OfxPropertySetStruct roiIn, roiOut;
    roiIn.values["OfxPropTime"] = {{"", 0, 0.0}};
    Expect(Call("OfxImageEffectActionGetRegionsOfInterest", instance.get(), &roiIn, &roiOut) == kOfxStatOK &&
               roiOut.values["OfxImageClipPropRoI_Source"].size() == 4 &&
               roiOut.values["OfxImageClipPropRoI_Source"][2].real == 34.0,
           "the Source region of interest is not the whole frame");
    Session session(*instance);
    for (const unsigned int threads : {1u, 2u, 8u}) {
        Host().threads = threads;
        CheckRenders(session);
    }
    Expect(Host().threadsStarted >= 2 + 8, "the host's threads were not used");
    for (const Format& format : kOtherFormats) {
        Session other(*instance, format);
        CheckRenders(other);
    }
    CheckRandom(session);
    CheckAbort(session);
    CheckBadInput(session);
    Expect(Call("OfxActionDestroyInstance", instance.get()) == kOfxStatOK, "DestroyInstance");
    Expect(Call("OfxActionUnload", nullptr) == kOfxStatOK, "Unload");
    Expect(Host().memoryAllocated > 0 && Host().memoryAllocated == Host().memoryFreed,
           "the host's image memory was not all given back");
    return failureCount == 0 ? 0 : 1;
}
