// The render action: arguments, images, and the choice of a pixel format's render.
#include "render_action.h"

#include "any_format_render.h"
#include "byte_rgba_render.h"
#include "fetched_image.h"
#include "host_message.h"
#include "host_suites.h"
#include "instance.h"
#include "ofx_strings.h"
#include "window_margins.h"

namespace {

OfxStatus RenderImages(OfxImageEffectHandle effect, const RenderRequest& request)
{
    PixelFormat source{}, output{};
    if (!ReadPixelFormat(request.source, source) || !ReadPixelFormat(request.output, output)) {
        return ReportError(effect, kOfxStatErrImageFormat,
                           "Talvenor renders RGBA and RGB images of 8 or 16 bits or 32-bit float, and the host sent "
                           "another kind.");
    }
    if (source.depth != output.depth || source.components != output.components) {
        return ReportError(effect, kOfxStatErrImageFormat,
                           "The host gave Talvenor source and output images of different pixel formats.");
    }
    const int64_t pixelBytes = PixelBytesOf(DeepFrame{nullptr, 0, 0, 0, source.components, source.depth});
    for (const ImageView* image : {&request.source, &request.output}) {
        if (const char* problem = LayoutProblem(*image, pixelBytes)) {
            return ReportError(effect, kOfxStatErrImageFormat, problem);
        }
    }
    if (request.target.x1 >= request.target.x2 || request.target.y1 >= request.target.y2) return kOfxStatOK;
    if (source.depth == ComponentDepth::Byte && source.components == 4) return RenderByteRgba(effect, request);
    return RenderAnyFormat(effect, request, source);
}

}  // namespace

OfxStatus RenderAction(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs)
{
    const HostSuites& suites = *Suites();
    const InstanceHandles* handles = HandlesOf(effect);
    if (!handles) return ReportError(effect, kOfxStatErrBadHandle, "Talvenor was asked to render an unknown instance.");
    RenderRequest request;
    const Properties args(*suites.property, inArgs);
    if (args.GetDouble(kOfxPropTime, request.time) != kOfxStatOK ||
        args.GetInts(kOfxImageEffectPropRenderWindow, &request.window.x1, 4) != kOfxStatOK) {
        return ReportError(effect, kOfxStatErrValue, "The host asked Talvenor to render without a time or window.");
    }
    if (ReadSettings(handles->parameters, request.time, request.settings) != kOfxStatOK) {
        return ReportError(effect, kOfxStatFailed, "Talvenor could not read its parameters.");
    }
    FetchedImage source(*suites.effect), output(*suites.effect);
    if (source.Fetch(handles->source, request.time) != kOfxStatOK) {
        return ReportError(effect, kOfxStatFailed, "Talvenor has no source image to render: is its input connected?");
    }
    if (output.Fetch(handles->output, request.time) != kOfxStatOK) {
        return ReportError(effect, kOfxStatFailed, "The host gave Talvenor no output image to render into.");
    }
    if (ReadImageView(Properties(*suites.property, source.Handle()), request.source) != kOfxStatOK ||
        ReadImageView(Properties(*suites.property, output.Handle()), request.output) != kOfxStatOK) {
        return ReportError(effect, kOfxStatErrImageFormat, "The host gave Talvenor an image it did not describe.");
    }
    request.target = Intersect(request.window, request.output.bounds);
    return RenderImages(effect, request);
}
