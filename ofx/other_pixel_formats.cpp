// The pixel formats still to come.
#include "other_pixel_formats.h"

#include "host_message.h"

OfxStatus RenderOtherPixelFormat(OfxImageEffectHandle effect, const RenderRequest& /*request*/)
{
    return ReportError(effect, kOfxStatErrUnsupported,
                       "This version of Talvenor renders only 8-bit RGBA images; set the project or clip to 8-bit "
                       "RGBA.");
}
